#include "SummaryFiles.h"

#include "Summary.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

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
