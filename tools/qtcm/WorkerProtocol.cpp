#include "WorkerProtocol.h"

#include "RunOutput.h"

#include <cstdlib>

namespace {

std::string Line(std::initializer_list<std::string> fields)
{
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "" : "\t") + EscapeField(field);
    return line + "\n";
}

bool ParseState(const std::string& name, SourceRecord::State& state)
{
    for (const SourceRecord::State candidate : {SourceRecord::State::Translated, SourceRecord::State::NotTranslated,
                                                SourceRecord::State::LeftOut, SourceRecord::State::Skipped})
        if (name == StateName(candidate)) {
            state = candidate;
            return true;
        }
    return false;
}

std::uintmax_t Number(const std::vector<std::string>& fields, std::size_t at)
{
    return at < fields.size() ? std::strtoull(fields[at].c_str(), nullptr, 10) : 0;
}

} // namespace

std::string EscapeField(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\t': escaped += "\\t"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::vector<std::string> SplitFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            fields.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string EncodeJob(const WorkerJob& job)
{
    std::string text = Line({"qtcm-job", "1"});
    if (job.skipExisting)
        text += Line({"skip-existing"});
    if (job.desk)
        text += Line({"desk"});
    for (const std::string& operand : job.operands)
        text += Line({"walk", operand});
    for (const auto& [index, source] : job.sources)
        text += Line({"source", std::to_string(index), source.named ? "named" : "found", source.refusal, source.path});
    return text;
}

bool DecodeJob(const std::string& text, WorkerJob& job, std::string& error)
{
    std::size_t start = 0, number = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::vector<std::string> fields =
            SplitFields(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? text.size() : end + 1;
        ++number;
        const std::string& kind = fields[0];
        if (number == 1 && kind != "qtcm-job") {
            error = "not a job file";
            return false;
        }
        if (kind == "skip-existing")
            job.skipExisting = true;
        else if (kind == "desk")
            job.desk = true;
        else if (kind == "walk" && fields.size() == 2)
            job.operands.push_back(fields[1]);
        else if (kind == "source" && fields.size() == 5)
            job.sources.push_back({static_cast<std::size_t>(Number(fields, 1)),
                                   Source{fields[4], fields[3], fields[2] == "named"}});
        else if (kind != "qtcm-job") {
            error = "line " + std::to_string(number) + " of the job file is not understood";
            return false;
        }
    }
    return true;
}

std::string EncodeResult(const WorkerResult& result)
{
    const SourceRecord& record = result.record;
    std::string text = Line({"source", std::to_string(result.index), record.source});
    text += Line({"state", StateName(record.state), record.reason});
    text += Line({"session", record.sessionFile});
    for (const std::string& file : record.created)
        text += Line({"created", file});
    text += Line({"counts", std::to_string(record.unconverted), std::to_string(record.unrecognized)});
    for (const std::string& notice : record.notices)
        text += Line({"notice", notice});
    for (const ReportLine& line : record.lines)
        text += Line({"line", line.group, line.text});
    if (!result.section.empty())
        text += Line({"section", result.section});
    return text + Line({"end"});
}

std::string EncodeCount(std::size_t count) { return Line({"count", std::to_string(count)}); }

void ResultReader::Feed(const std::string& bytes)
{
    m_pending += bytes;
    std::size_t start = 0;
    for (std::size_t end; (end = m_pending.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::vector<std::string> fields = SplitFields(m_pending.substr(start, end - start));
        const std::string& kind = fields[0];
        SourceRecord& record = m_current.record;
        if (kind == "count") {
            m_hasCount = true;
            m_count = static_cast<std::size_t>(Number(fields, 1));
        } else if (kind == "source" && fields.size() == 3) {
            m_current = WorkerResult();
            m_current.index = static_cast<std::size_t>(Number(fields, 1));
            m_current.record.source = fields[2];
            m_open = true;
        } else if (!m_open) {
            continue; // a record's lines outside a record: nothing to add them to
        } else if (kind == "state" && fields.size() == 3 && ParseState(fields[1], record.state)) {
            record.reason = fields[2];
        } else if (kind == "session" && fields.size() == 2) {
            record.sessionFile = fields[1];
        } else if (kind == "created" && fields.size() == 2) {
            record.created.push_back(fields[1]);
        } else if (kind == "counts") {
            record.unconverted = static_cast<unsigned>(Number(fields, 1));
            record.unrecognized = static_cast<unsigned>(Number(fields, 2));
        } else if (kind == "notice" && fields.size() == 2) {
            record.notices.push_back(fields[1]);
        } else if (kind == "line" && fields.size() == 3) {
            record.lines.push_back({fields[1], fields[2]});
        } else if (kind == "section" && fields.size() == 2) {
            m_current.section = fields[1];
        } else if (kind == "end") {
            m_done.push_back(std::move(m_current));
            m_current = WorkerResult();
            m_open = false;
        }
    }
    m_pending.erase(0, start);
}

bool ResultReader::Next(WorkerResult& result)
{
    if (m_next >= m_done.size()) {
        m_done.clear();
        m_next = 0;
        return false;
    }
    result = std::move(m_done[m_next++]);
    return true;
}
