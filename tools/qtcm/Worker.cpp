// The hidden worker command: translates the sources of its job, one after the other, and writes a
// result record for each as soon as it is done. Started by migrate -j (the sources listed) and by
// migrate --desks (a whole desk: checked, walked, translated).
#include "Commands.h"
#include "Desk.h"
#include "DeskChecks.h"
#include "Translation.h"
#include "WorkerProtocol.h"

#include <cstdio>
#include <fstream>
#include <sstream>

const char kWorkerCommand[] = "__worker";

namespace {

std::string ReadSection(const std::string& report, std::uintmax_t begin, std::uintmax_t end)
{
    std::string bytes(end > begin ? static_cast<std::size_t>(end - begin) : 0, '\0');
    std::ifstream in(report, std::ios::binary);
    if (bytes.empty() || !in.seekg(static_cast<std::streamoff>(begin)) ||
        !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return {};
    return bytes;
}

} // namespace

int WorkerCommand(const Options& options, const char* hostPath)
{
    if (options.files.size() != 3) {
        std::fprintf(stderr, "qtcm: the worker command takes a job file, a results file and a report\n");
        return 2;
    }
    const std::string& results = options.files[1];
    const std::string& report = options.files[2];
    std::ostringstream text;
    text << std::ifstream(options.files[0], std::ios::binary).rdbuf();
    WorkerJob job;
    std::string error;
    if (!DecodeJob(text.str(), job, error)) {
        std::fprintf(stderr, "qtcm: %s: %s\n", options.files[0].c_str(), error.c_str());
        return 2;
    }
    QtcmLibrary library;
    if (const int status = OpenDesk(options, hostPath, library))
        return status;
    std::ofstream out(results, std::ios::binary | std::ios::app);
    if (job.desk) {
        if (!DeskReady(library, options))
            return 2;
        if (!PrepareOutputFile("the report", report, true, error)) {
            std::fprintf(stderr, "qtcm: %s\n", error.c_str());
            return 2;
        }
        std::vector<std::string> operands = job.operands;
        if (operands.empty()) {
            const std::string qim = Directory(library, options, 0);
            if (qim.empty()) {
                std::fprintf(stderr, "qtcm: no sources: %s\n", MissingDirectory(0).c_str());
                return 2;
            }
            operands.push_back(qim);
        }
        const SourceList list = CollectSessions(library, operands);
        for (std::size_t i = 0; i < list.sources.size(); ++i)
            job.sources.emplace_back(i, list.sources[i]);
        out << EncodeCount(TakenCount(list)) << std::flush;
    }
    SourceTranslator translator(library, report,
                                {Directory(library, options, 1), Directory(library, options, 2),
                                 Directory(library, options, 3)},
                                job.skipExisting);
    for (const auto& [index, source] : job.sources) {
        WorkerResult result;
        result.index = index;
        result.record = translator.Translate(source);
        if (!job.desk) // a desk's worker writes the desk's own report; the others hand their sections on
            result.section = ReadSection(report, translator.SectionBegin(), translator.SectionEnd());
        out << EncodeResult(result) << std::flush;
    }
    return 0;
}
