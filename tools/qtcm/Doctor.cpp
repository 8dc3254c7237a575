// qtcm doctor: every check of the desk, passed or not, with what sets it. Nothing is written.
#include "DeskChecks.h"

#include "Desk.h"

#include <cstdio>

int DoctorCommand(const Options& options, const char* hostPath)
{
    QtcmLibrary library;
    if (const int status = OpenDesk(options, hostPath, library))
        return status;
    const std::vector<CheckResult> results = RunDeskChecks(GatherDeskFacts(library, options));
    TakeNotices();
    std::size_t failed = 0, neededFailed = 0;
    for (const CheckResult& result : results) {
        const bool passed = result.problem.empty();
        const char* mark = passed ? "ok" : result.check->needed ? "FAILED" : "warning";
        std::printf("%-8s %-17s %s%s\n", mark, result.check->name, result.check->tests,
                    result.check->needed ? " (needed)" : "");
        if (passed)
            continue;
        ++failed;
        neededFailed += result.check->needed ? 1 : 0;
        std::printf("%-26s %s\n%-26s set by %s\n", "", result.problem.c_str(), "", result.check->setBy);
    }
    if (neededFailed)
        std::printf("\n%zu of %zu checks failed; migrate and plan stop before writing anything until the needed "
                    "ones pass.\n",
                    failed, results.size());
    else if (failed)
        std::printf("\n%zu of %zu checks failed; migrate runs, but what they concern is not carried over.\n", failed,
                    results.size());
    else
        std::printf("\nAll %zu checks passed.\n", results.size());
    return neededFailed ? 2 : failed ? 1 : 0;
}
