// qtcm migrate: every file named, and every QIM! session file in every folder named, translated
// through the library, with what became of each and a summary; in this process, or shared out among
// worker processes (-j), or a whole fleet of desks (--desks).
#include "Commands.h"

#include "Desk.h"
#include "DeskChecks.h"
#include "Fleet.h"
#include "HostPlatform.h"
#include "Progress.h"
#include "RunOutput.h"
#include "Sources.h"
#include "SummaryFiles.h"
#include "Translation.h"
#include "Workers.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

int MigrateCommand(const Options& options, const char* hostPath)
{
    if (!options.desks.empty())
        return MigrateFleet(options, hostPath);
    QtcmLibrary library;
    if (const int status = OpenDesk(options, hostPath, library))
        return status;
    // Nothing is written before the desk has passed the checks every translation needs.
    if (!DeskReady(library, options))
        return 2;
    std::error_code code;
    const std::string report = fs::absolute(options.report.empty() ? DefaultReport(options) : options.report, code).string();
    std::string error;
    // The summaries are only checked, the report and the map made: a refusal creates nothing.
    if (!SummaryFilesWritable(options, error) || !PrepareOutputFile("the report", report, true, error) ||
        (!options.map.empty() && !PrepareOutputFile("the map", options.map, false, error))) {
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
        return 2;
    }

    const SourceList list = CollectSessions(library, options.files);
    const std::size_t count = TakenCount(list);

    RunRecord run = StartRun("migrate", options);
    run.desk = DeskDescription(options);
    run.report = report;
    const TargetFolders folders{Directory(library, options, 1), Directory(library, options, 2),
                                Directory(library, options, 3)};
    const auto start = std::chrono::steady_clock::now();
    if (options.jobs > 1 && count > 1) {
        RunWorkers({hostPath, options, report, folders}, list, run);
    } else {
        SourceTranslator translator(library, report, folders, options.skipExisting);
        TranslateAll(translator, list, run, &PrintRecord);
    }
    run.ended = LocalTimeNow();
    PrintTotals(run, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), true);
    if (!options.map.empty() && !WriteMap(options.map, run, error))
        std::fprintf(stderr, "qtcm: %s\n", error.c_str());
    const bool summaries = EndOfRun(run, options);
    return summaries ? RunStatus(run) : 1;
}
