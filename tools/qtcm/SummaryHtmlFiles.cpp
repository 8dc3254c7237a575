// The files a translation created, as parts of its section of the page: QuickPads and toolbars as
// their pictures, key maps as tables, menu documents as trees and macros as their text. Each is
// read with the reader qtcm inspect and qtcm preview use; a file that cannot be read or shown says
// why in its place.
#include "SummaryHtmlFiles.h"

#include "FileReaders.h"
#include "Preview.h"
#include "SummaryText.h"
#include "actions/ActionIds.h"
#include "platform/FileSystem.h"
#include "platform/AsciiCase.h"
#include "platform/Files.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

using summary::HtmlText;

constexpr std::size_t kMacroShown = 64 * 1024; // bytes of a macro shown at most

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::string Problem(const std::string& what) { return "<p class=\"problem\">" + HtmlText(what) + "</p>\n"; }

// What an action identifier does, in words.
std::string ActionText(const std::string& id)
{
    const struct {
        unsigned id;
        const char* what;
    } kActions[] = {
        {ACTION_ID_TEXT, "send text"},
        {ACTION_ID_MACRO, "run macro"},
        {COMMAND_ID_UNMAPPED, "command without counterpart"},
    };
    for (const auto& row : kActions)
        if (id == std::to_string(row.id))
            return std::string(row.what) + " (" + id + ")";
    return "command " + id;
}

// The key map dump: a header line, one tab-separated line per binding (the key, then "label
// value" fields), a count.
std::string KeyMapHtml(const std::string& dump)
{
    const std::vector<std::string> lines = Lines(dump);
    std::string html = "<p class=\"file-header\">" + HtmlText(lines.empty() ? "" : lines.front()) + "</p>\n";
    html += "<table class=\"keymap\"><thead><tr><th>Key</th><th>Action</th><th>Text</th><th>Description</th></tr>"
            "</thead><tbody>\n";
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = Split(lines[i], '\t');
        if (fields.size() < 2)
            continue; // the count
        std::string action, text, description;
        for (const std::string& field : fields) {
            const std::size_t space = field.find(' ');
            const std::string label = field.substr(0, space);
            const std::string value = space == std::string::npos ? "" : field.substr(space + 1);
            if (label == "action")
                action = ActionText(value);
            else if (label == "text")
                text = summary::UnquoteDump(value);
            else if (label == "description")
                description = summary::UnquoteDump(value);
        }
        html += "<tr class=\"binding\"><td>" + HtmlText(fields[0]) + "</td><td>" + HtmlText(action) + "</td><td><code>" +
                HtmlText(text) + "</code></td><td>" + HtmlText(description) + "</td></tr>\n";
    }
    return html + "</tbody></table>\n";
}

// One line of the menu document dump: its depth (two blanks a level, or "[N] " past the shown
// levels), the element's name, then "  name=\"value\"" attributes.
struct MenuElement {
    std::size_t depth = 0;
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
};

MenuElement ParseMenuLine(const std::string& line)
{
    MenuElement element;
    std::size_t at = line.find_first_not_of(' ');
    at = at == std::string::npos ? line.size() : at;
    element.depth = at / 2;
    if (at < line.size() && line[at] == '[') {
        element.depth = 0;
        for (++at; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at)
            element.depth = element.depth * 10 + static_cast<std::size_t>(line[at] - '0');
        at = std::min(at + 2, line.size()); // "] "
    }
    const std::size_t nameEnd = std::min(line.find("  ", at), line.size());
    element.name = line.substr(at, nameEnd - at);
    for (at = nameEnd; at + 2 < line.size();) {
        const std::size_t equals = line.find("=\"", at);
        if (equals == std::string::npos)
            break;
        std::size_t end = equals + 2;
        while (end < line.size() && line[end] != '"')
            end += line[end] == '\\' ? 2 : 1;
        element.attributes.emplace_back(line.substr(at + 2, equals - at - 2),
                                        summary::UnquoteDump(line.substr(equals + 1, end - equals)));
        at = end + 1;
    }
    return element;
}

std::string MenuItemHtml(const MenuElement& element)
{
    std::string html = "<span class=\"element\">" + HtmlText(element.name) + "</span>";
    for (const auto& [name, value] : element.attributes)
        if (name == "Caption")
            html += " <span class=\"caption\">" + HtmlText(value) + "</span>";
    for (const auto& [name, value] : element.attributes)
        if (name != "Caption")
            html += " <span class=\"attribute\">" + HtmlText(name) + "=<q>" + HtmlText(value) + "</q></span>";
    return html;
}

// The dump's lines as nested lists: each element an item, its children a list inside it.
std::string MenuTreeHtml(const std::string& dump)
{
    std::string html = "<ul class=\"menu-tree\">";
    std::size_t depth = 0;
    bool first = true;
    for (const std::string& line : Lines(dump)) {
        const MenuElement element = ParseMenuLine(line);
        const std::size_t level = first ? 0 : std::min(element.depth, depth + 1);
        if (!first && level > depth)
            html += "<ul>";
        else if (!first)
            html += "</li>";
        for (std::size_t d = level; d < depth && !first; ++d)
            html += "</ul></li>";
        html += "\n<li class=\"menu-item\">" + MenuItemHtml(element);
        depth = level;
        first = false;
    }
    if (!first)
        html += "</li>";
    for (std::size_t d = 0; d < depth; ++d)
        html += "</ul></li>";
    return html + "</ul>\n";
}

std::string DumpHtml(const std::string& path, const std::string& bytes, std::string (*show)(const std::string&))
{
    const Inspector* inspector = InspectorFor(path);
    if (!inspector)
        return Problem("It cannot be shown: no reader for it");
    std::string text;
    if (const formats::ReadResult read = inspector->dump(bytes, text); !read)
        return Problem("It cannot be shown: " + read.Describe());
    return show(text);
}

std::string PreviewHtml(const std::string& path, const std::string& bytes)
{
    std::string svg, error;
    if (!PreviewSvgOf(path, bytes, svg, error))
        return Problem("It cannot be drawn: " + error);
    return "<figure class=\"preview\">" + svg.substr(svg.find("<svg")) + "</figure>\n";
}

std::string MacroHtml(const std::string& bytes)
{
    std::string html = "<pre class=\"macro\">" + HtmlText(bytes.substr(0, kMacroShown)) + "</pre>\n";
    if (bytes.size() > kMacroShown)
        html += Problem("Its first " + std::to_string(kMacroShown) + " bytes of " + std::to_string(bytes.size()));
    return html;
}

} // namespace

std::string CreatedFilesHtml(const SourceRecord& source)
{
    const struct {
        const char* extension;
        const char* what;
    } kShown[] = {
        {".tqp", "QuickPad"}, {".ttb", "Toolbar"}, {".tkm", "Key map"}, {".cmu", "Menu document"}, {".tbm", "Macro"},
    };
    std::string html;
    for (const std::string& path : source.created) {
        const std::string extension = FoldCase(platform::SplitPath(path).extension);
        const char* what = nullptr;
        for (const auto& row : kShown)
            if (extension == row.extension)
                what = row.what;
        if (!what)
            continue;
        html += "<div class=\"file\" data-kind=\"" + extension.substr(1) + "\"><h3>" + what + " <span class=\"path\">" +
                HtmlText(path) + "</span></h3>\n";
        std::string bytes;
        if (!platform::ReadWholeFile(path, bytes))
            html += Problem("It cannot be read.");
        else if (extension == ".tqp" || extension == ".ttb")
            html += PreviewHtml(path, bytes);
        else if (extension == ".tkm")
            html += DumpHtml(path, bytes, &KeyMapHtml);
        else if (extension == ".cmu")
            html += DumpHtml(path, bytes, &MenuTreeHtml);
        else
            html += MacroHtml(bytes);
        html += "</div>\n";
    }
    return html;
}
