#include "RunOutput.h"

#include "Summary.h"
#include "SummaryFiles.h"

#include "Csv.h"
#include "Progress.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>

RunRecord StartRun(const char* command, const Options& options)
{
    RunRecord run;
    run.command = command;
    run.started = LocalTimeNow();
    run.version = kVersion;
    run.arguments = options.arguments;
    return run;
}

const char* StateName(SourceRecord::State state)
{
    switch (state) {
    case SourceRecord::State::Translated: return "translated";
    case SourceRecord::State::NotTranslated: return "not translated";
    case SourceRecord::State::LeftOut: return "left out";
    case SourceRecord::State::Skipped: return "skipped";
    }
    return "";
}

void PrintRecord(const SourceRecord& record)
{
    const bool translated = record.state == SourceRecord::State::Translated;
    std::printf("%s\n", record.source.c_str());
    if (translated)
        std::printf("  -> %s\n     %u unconverted, %u unrecognized\n", record.sessionFile.c_str(), record.unconverted,
                    record.unrecognized);
    else
        std::printf("  -> %s%s%s\n", StateName(record.state), record.reason.empty() ? "" : ": ", record.reason.c_str());
    for (const std::string& notice : record.notices)
        std::printf("     %s%s\n", translated ? "warning: " : "", notice.c_str());
    std::fflush(stdout);
}

std::string LocalTimeNow()
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

void PrintTotals(const RunRecord& run, double seconds, bool showReport)
{
    std::size_t count = 0, translated = 0, withWarnings = 0, leftOut = 0, skipped = 0;
    unsigned unconverted = 0, unrecognized = 0;
    for (const SourceRecord& record : run.sources) {
        leftOut += record.state == SourceRecord::State::LeftOut ? 1 : 0;
        skipped += record.state == SourceRecord::State::Skipped ? 1 : 0;
        count += record.state == SourceRecord::State::LeftOut ? 0 : 1;
        if (record.state != SourceRecord::State::Translated)
            continue;
        ++translated;
        withWarnings += record.notices.empty() ? 0 : 1;
        unconverted += record.unconverted;
        unrecognized += record.unrecognized;
    }
    const bool plan = run.command == "plan";
    std::printf("\n%zu of %zu files %s", translated, count, plan ? "would be translated" : "translated");
    if (withWarnings)
        std::printf(" (%zu with warnings)", withWarnings);
    if (skipped)
        std::printf(", %zu skipped", skipped);
    if (leftOut)
        std::printf(", %zu left out", leftOut);
    std::printf("; %u unconverted and %u unrecognized properties in all.\n", unconverted, unrecognized);
    // A rate is only worth saying of files that were translated.
    if (translated > 0)
        std::printf("Time: %s (%.1f files/s)\n", Progress::Duration(seconds).c_str(),
                    static_cast<double>(translated) / (seconds > 0 ? seconds : 1e-9));
    else
        std::printf("Time: %s\n", Progress::Duration(seconds).c_str());
    if (showReport)
        std::printf("Report: %s\n", run.report.c_str());
    std::fflush(stdout);
}

// One row per source. Rows are as long as the longest, so that every row has the same number of
// fields, as the format asks; the created files come last, the session file first among them.
bool WriteMap(const std::string& file, const RunRecord& run, std::string& error)
{
    const bool fleet = std::any_of(run.sources.begin(), run.sources.end(),
                                   [](const SourceRecord& record) { return !record.desk.empty(); });
    std::size_t width = 1;
    for (const SourceRecord& record : run.sources)
        width = std::max(width, record.created.size());
    std::vector<std::string> header;
    if (fleet)
        header.push_back("desk");
    for (const char* name : {"source", "state", "reason"})
        header.push_back(name);
    header.push_back("created");
    for (std::size_t i = 1; i < width; ++i)
        header.push_back("created " + std::to_string(i + 1));
    std::string text = CsvRow(header);
    for (const SourceRecord& record : run.sources) {
        std::vector<std::string> row;
        if (fleet)
            row.push_back(record.desk);
        row.push_back(record.source);
        row.push_back(StateName(record.state));
        row.push_back(record.reason);
        row.insert(row.end(), record.created.begin(), record.created.end());
        row.resize(header.size());
        text += CsvRow(row);
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!(out << text) || !out.flush()) {
        error = "the map " + file + " cannot be written";
        return false;
    }
    return true;
}

int RunStatus(const RunRecord& run)
{
    const bool all = std::all_of(run.sources.begin(), run.sources.end(), [](const SourceRecord& record) {
        return record.state == SourceRecord::State::Translated;
    });
    return !run.sources.empty() && all ? 0 : 1;
}

bool EndOfRun(const RunRecord& run, const Options& options)
{
    std::fflush(stdout);
    PrintSummary(run, stdout);
    return WriteRequestedSummaries(run, options);
}
