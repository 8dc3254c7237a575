#include "Sources.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr char kHeaderMark[] = "// Version QIM! ";
constexpr std::size_t kHeaderBytes = 21;
constexpr std::size_t kLineLimit = 64 * 1024; // recognition never needs more of a line

// A line as the library's text reading gives it, read no further than kLineLimit bytes.
bool ReadLine(std::istream& in, std::string& line)
{
    line.clear();
    char c = 0;
    bool any = false;
    while (line.size() < kLineLimit && in.get(c) && c != '\x1A') {
        any = true;
        if (c == '\n')
            break;
        line.push_back(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return any;
}

// check and migrate word a file too short to judge alike.
std::string ShortFileReason(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    char header[kHeaderBytes] = {};
    in.read(header, kHeaderBytes);
    const std::size_t read = static_cast<std::size_t>(in.gcount());
    if (read == 0)
        return "an empty file";
    if (read < kHeaderBytes)
        return "shorter than its header line (" + std::to_string(read) + " of " + std::to_string(kHeaderBytes) +
               " bytes)";
    return {};
}

} // namespace

std::string UnreadableReason(const std::string& path)
{
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (code && code != std::errc::no_such_file_or_directory && code != std::errc::not_a_directory)
        return "cannot be read: " + code.message();
    if (!fs::exists(status)) {
        const fs::path folder = fs::path(path).parent_path();
        if (!folder.empty() && !fs::is_directory(folder, code))
            return "not found: the folder " + folder.string() + " does not exist";
        return "not found";
    }
    if (fs::is_directory(status))
        return "a folder, not a file";
    if (!fs::is_regular_file(status))
        return "not a regular file";
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::string("cannot be read: ") + std::strerror(errno);
    return {};
}

std::string NotSessionReason(const std::string& path)
{
    if (const std::string shortFile = ShortFileReason(path); !shortFile.empty())
        return shortFile;
    std::ifstream in(path, std::ios::binary);
    std::string first, second;
    if (!ReadLine(in, first))
        return "an empty file";
    if (first.find("// Version QIM!") == std::string::npos)
        return "no QIM! header line: the first line does not hold \"// Version QIM!\"";
    ReadLine(in, second);
    if (second.find("CaptureSetup( FileName=\"QIMVT.TXT\"") == std::string::npos)
        return "the second line is not CaptureSetup( FileName=\"QIMVT.TXT\" ... )";
    return {};
}

std::string NotTranslatableReason(const std::string& path)
{
    if (const std::string shortFile = ShortFileReason(path); !shortFile.empty())
        return "not a QIM! session file: " + shortFile;
    std::ifstream in(path, std::ios::binary);
    char header[kHeaderBytes] = {};
    in.read(header, kHeaderBytes);
    if (std::memcmp(header, kHeaderMark, sizeof kHeaderMark - 1) != 0)
        return "not a QIM! session file: it does not begin with \"// Version QIM! \"";
    return {};
}

std::string RefusalOf(const std::string& path, const std::function<bool(const std::string&)>& isSession)
{
    std::error_code code;
    if (fs::is_directory(path, code))
        return "a folder, not a file";
    std::string why = UnreadableReason(path);
    if (why.empty() && !isSession(path)) {
        why = NotSessionReason(path);
        why = "not a QIM! session file" + (why.empty() ? std::string() : ": " + why);
    }
    return why;
}

namespace {

// Every entry below folder, depth first; what cannot be walked is an entry of its own, refused.
void Walk(const fs::path& folder, std::vector<Source>& found,
          const std::function<bool(const std::string&)>& isSession)
{
    std::error_code code;
    fs::directory_iterator it(folder, code), end;
    if (code) {
        found.push_back({folder.string(), "a folder that cannot be read: " + code.message(), false});
        return;
    }
    for (; !code && it != end; it.increment(code)) {
        std::error_code typeCode;
        const fs::path path = it->path();
        if (it->is_directory(typeCode) && !it->is_symlink(typeCode))
            Walk(path, found, isSession);
        else
            found.push_back({path.string(), RefusalOf(path.string(), isSession), false});
    }
    if (code)
        found.push_back({folder.string(), "the folder could not be read to its end: " + code.message(), false});
}

} // namespace

SourceList CollectSources(const std::vector<std::string>& operands,
                          const std::function<bool(const std::string&)>& isSession)
{
    SourceList list;
    for (const std::string& operand : operands) {
        std::error_code code;
        if (!fs::is_directory(operand, code)) {
            list.sources.push_back({operand, RefusalOf(operand, isSession), true});
            continue;
        }
        std::vector<Source> found;
        Walk(operand, found, isSession);
        std::sort(found.begin(), found.end(), [](const Source& a, const Source& b) { return a.path < b.path; });
        if (std::none_of(found.begin(), found.end(), [](const Source& source) { return source.refusal.empty(); }))
            list.warnings.push_back(operand + ": no QIM! session file in this folder");
        list.sources.insert(list.sources.end(), found.begin(), found.end());
    }
    return list;
}
