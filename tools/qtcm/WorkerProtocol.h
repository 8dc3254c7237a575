#pragma once
// What the parent and its worker processes tell each other, in files: the job (the sources to
// translate, in order) and the results (one record per source, written as each is done, so the
// parent can show progress while the worker runs). Lines of tab-separated fields; a field's tabs,
// line ends and backslashes are escaped.
#include "RunRecord.h"
#include "Sources.h"

#include <cstdint>
#include <string>
#include <vector>

std::string EscapeField(const std::string& text);
std::vector<std::string> SplitFields(const std::string& line); // unescaped

struct WorkerJob {
    bool skipExisting = false;
    // A desk of a fleet: check the desk first, then walk the operands (none: the desk's QIM!
    // session directory) and say how many sources there are. Otherwise the sources come listed.
    bool desk = false;
    std::vector<std::string> operands;
    std::vector<std::pair<std::size_t, Source>> sources; // position in the run, source
};

std::string EncodeJob(const WorkerJob& job);
bool DecodeJob(const std::string& text, WorkerJob& job, std::string& error);

struct WorkerResult {
    std::size_t index = 0; // position in the run (a desk: in its own list)
    SourceRecord record;
    // Its section of the report, for the parent to append in the order of the files (the parent
    // never opens a worker's report: on Windows the library writes it allowing no other reader).
    std::string section;
};

std::string EncodeResult(const WorkerResult& result);
// A desk's worker says how many sources it will translate before the first result.
std::string EncodeCount(std::size_t count);

// Reads a results file as it grows: what was appended is fed in, the complete records come out.
class ResultReader {
public:
    void Feed(const std::string& bytes);
    bool Next(WorkerResult& result);
    bool HasCount() const { return m_hasCount; }
    std::size_t Count() const { return m_count; }

private:
    std::string m_pending; // an unfinished line
    WorkerResult m_current;
    bool m_open = false;
    std::vector<WorkerResult> m_done;
    std::size_t m_next = 0;
    bool m_hasCount = false;
    std::size_t m_count = 0;
};
