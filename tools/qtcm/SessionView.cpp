#include "SessionView.h"

#include "platform/AsciiCase.h"

#include <algorithm>
#include <vector>

namespace {

// A value as the profile functions read it: without the blanks around it.
struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values; // a line without '=' has no value
    std::vector<bool> hasValue;
};

} // namespace

formats::ReadResult DumpSessionFile(std::string_view bytes, std::string& text)
{
    if (const std::size_t zero = bytes.find('\0'); zero != std::string_view::npos)
        return {formats::ReadStatus::Malformed, zero, "a zero byte: not a text file"};
    std::vector<Section> sections;
    std::size_t values = 0, start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = TrimBlanks(std::string(bytes.substr(start, end - start)), " \t\r");
        start = end + 1;
        if (line.empty())
            continue;
        if (line.front() == '[' && line.back() == ']') {
            sections.push_back({line.substr(1, line.size() - 2), {}, {}});
            continue;
        }
        if (sections.empty())
            sections.push_back({"", {}, {}}); // lines before the first section
        const std::size_t equals = line.find('=');
        const bool comment = line.front() == ';';
        Section& section = sections.back();
        section.values.emplace_back(comment || equals == std::string::npos ? line : TrimBlanks(line.substr(0, equals)),
                                    comment || equals == std::string::npos ? "" : TrimBlanks(line.substr(equals + 1)));
        section.hasValue.push_back(!comment && equals != std::string::npos);
        values += section.hasValue.back() ? 1 : 0;
    }
    if (sections.empty() || (sections.size() == 1 && sections[0].name.empty()))
        return {formats::ReadStatus::Malformed, 0, bytes.empty() ? "an empty file" : "no [section] line"};
    text = "session file: " + std::to_string(sections.size()) + " sections, " + std::to_string(values) + " values\n";
    for (const Section& section : sections) {
        text += "\n" + (section.name.empty() ? std::string("(before the first section)") : "[" + section.name + "]") +
                "\n";
        std::size_t width = 0;
        for (std::size_t i = 0; i < section.values.size(); ++i)
            if (section.hasValue[i])
                width = std::max(width, section.values[i].first.size());
        for (std::size_t i = 0; i < section.values.size(); ++i) {
            const auto& [name, value] = section.values[i];
            text += "  " + name;
            if (section.hasValue[i])
                text += std::string(width - name.size(), ' ') + " = " + value;
            text += "\n";
        }
    }
    return {};
}
