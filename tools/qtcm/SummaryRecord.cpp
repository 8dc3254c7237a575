#include "SummaryRecord.h"

#include "HostPlatform.h"
#include "Summary.h"
#include "platform/FileSystem.h"
#include "platform/AsciiCase.h"
#include "platform/Files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace fs = std::filesystem;

namespace {

std::vector<ReportLine> g_lines;

void CollectLine(const char* group, const char* line, void*)
{
    std::string text = line ? line : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    g_lines.push_back({group ? group : "", text});
}

// The extensions of the files a session's converters write into the scheme folder.
const char* const kSatellites[] = {".tkm", ".tqp", ".ttb", ".cmu"};
constexpr char kMacroExtension[] = ".tbm";

bool WrittenSince(const std::string& path, fs::file_time_type since)
{
    std::error_code code;
    return fs::is_regular_file(path, code) && fs::last_write_time(path, code) >= since && !code;
}

std::string WithSeparator(const std::string& folder)
{
    return folder.empty() || folder.back() == '/' || folder.back() == '\\' ? folder : folder + '/';
}

// The macros of macroFolder that bytes name: the folder, a separator, then a file name up to the
// first ".tbm" (any case). Binary files hold such a path with other bytes right behind it.
void AddNamedMacros(const std::string& bytes, const std::string& macroFolder, std::vector<std::string>& macros)
{
    std::string folder = macroFolder;
    while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    if (folder.empty())
        return;
    const std::string foldedBytes = FoldCase(bytes);
    for (std::size_t at = bytes.find(folder); at != std::string::npos; at = bytes.find(folder, at + 1)) {
        const std::size_t name = at + folder.size() + 1;
        if (name >= bytes.size() || (bytes[name - 1] != '/' && bytes[name - 1] != '\\'))
            continue;
        std::size_t end = name;
        while (end < bytes.size() && end - name < 255 && static_cast<unsigned char>(bytes[end]) >= 0x20 &&
               std::string_view("\"<>|/\\*?").find(bytes[end]) == std::string_view::npos)
            ++end;
        const std::size_t extension = foldedBytes.substr(name, end - name).find(kMacroExtension);
        if (extension == std::string::npos)
            continue;
        const std::string path = bytes.substr(at, name - at) + bytes.substr(name, extension + sizeof kMacroExtension - 1);
        if (std::find(macros.begin(), macros.end(), path) == macros.end())
            macros.push_back(path);
    }
}

} // namespace

std::string LocalTimeIso8601()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{}, utc{};
#ifdef _WIN32
    localtime_s(&local, &now);
    gmtime_s(&utc, &now);
#else
    localtime_r(&now, &local);
    gmtime_r(&now, &utc);
#endif
    // The UTC fields read as local time lie the offset behind.
    utc.tm_isdst = local.tm_isdst;
    const long offset = static_cast<long>(std::difftime(now, std::mktime(&utc))) / 60;
    char text[40];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    std::snprintf(text + length, sizeof text - length, "%c%02ld:%02ld", offset < 0 ? '-' : '+', std::labs(offset) / 60,
                  std::labs(offset) % 60);
    return text;
}

std::string DeskOf(const Options& options)
{
    if (host::HasSystemRegistry())
        return "this system's registry";
    // OpenDesk has put every registry file in front of QTCM_REGISTRY, in order of precedence.
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    std::string desk = options.exampleDesk ? "the example desk" : "";
    const auto add = [&](const std::string& text) { desk += (desk.empty() ? "" : "; ") + text; };
    std::string files;
    for (const char c : variable("QTCM_REGISTRY"))
        files += c == ':' ? std::string(", ") : std::string(1, c);
    if (!files.empty())
        add("registry files " + files);
    if (!variable("QTCM_WINDOWS_ROOT").empty())
        add("copied Windows drive " + variable("QTCM_WINDOWS_ROOT") + ", user " + variable("QTCM_WINDOWS_USER"));
    if (!variable("QTCM_DRIVES").empty())
        add("drives " + variable("QTCM_DRIVES"));
    return desk;
}

RunRecord StartRunRecord(const char* command, const Options& options, const std::string& report)
{
    RunRecord run;
    run.command = command;
    run.started = LocalTimeIso8601();
    run.version = kVersion;
    run.desk = DeskOf(options);
    run.arguments = options.arguments;
    run.report = report;
    return run;
}

bool SummaryFilesWritable(const Options& options, std::string& error)
{
    for (const auto& [option, path] : {std::pair{"--summary", options.summaryJson}, std::pair{"--html", options.html}}) {
        std::error_code code;
        const fs::path folder = fs::path(path).parent_path();
        if (path.empty())
            continue;
        if (fs::is_directory(path, code))
            error = std::string(option) + " " + path + ": a folder";
        else if (!folder.empty() && !fs::is_directory(folder, code))
            error = std::string(option) + " " + path + ": the folder " + folder.string() + " does not exist";
        else
            continue;
        return false;
    }
    return true;
}

bool WriteRequestedSummaries(const RunRecord& run, const Options& options)
{
    bool written = true;
    const struct {
        const std::string& path;
        const char* what;
        bool (*write)(const RunRecord&, const std::string&, std::string&);
    } kSummaries[] = {{options.summaryJson, "Summary", &WriteSummaryJson}, {options.html, "Page", &WriteSummaryHtml}};
    for (const auto& summary : kSummaries) {
        std::string error;
        if (summary.path.empty())
            continue;
        if (summary.write(run, summary.path, error)) {
            std::printf("%s: %s\n", summary.what, summary.path.c_str());
        } else {
            std::fprintf(stderr, "qtcm: %s\n", error.c_str());
            written = false;
        }
    }
    return written;
}

void HearReportLines(const QtcmLibrary& library) { library.setReportLineHandler(&CollectLine, nullptr); }

std::vector<ReportLine> TakeReportLines()
{
    std::vector<ReportLine> lines;
    lines.swap(g_lines);
    return lines;
}

std::vector<std::string> CreatedFiles(const std::string& sessionFile, const OutputFolders& folders)
{
    const fs::file_time_type since = folders.since;
    std::vector<std::string> created;
    if (!WrittenSince(sessionFile, since))
        return created;
    created.push_back(sessionFile);
    const std::string stem = platform::SplitPath(sessionFile).name;
    for (const char* extension : kSatellites)
        for (const std::string& name : {stem, UpperCase(stem)}) {
            const std::string path = WithSeparator(folders.schemes) + name + extension;
            if (WrittenSince(path, since) && std::find(created.begin(), created.end(), path) == created.end()) {
                created.push_back(path);
                break;
            }
        }
    std::vector<std::string> macros;
    for (const std::string& file : created) {
        std::string bytes;
        if (platform::ReadWholeFile(file, bytes))
            AddNamedMacros(bytes, folders.macros, macros);
    }
    for (const std::string& macro : macros)
        if (WrittenSince(macro, since))
            created.push_back(macro);
    return created;
}
