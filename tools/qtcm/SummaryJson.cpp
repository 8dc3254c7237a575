// --summary FILE.json: the run record as JSON, with the tables the console shows in full. The
// README lists the fields.
#include "Summary.h"

#include "SummaryTables.h"
#include "SummaryText.h"
#include "platform/Files.h"

#include <vector>

namespace {

// A JSON writer of two-space indented output: containers open and close, keys and values are
// written in order, and the writer puts the commas and line breaks between them.
class JsonWriter {
public:
    JsonWriter& Open(char bracket)
    {
        Value(std::string(1, bracket));
        m_empty.push_back(true);
        return *this;
    }
    JsonWriter& Close(char bracket)
    {
        const bool empty = m_empty.back();
        m_empty.pop_back();
        if (!empty)
            NewLine();
        m_out += bracket;
        return *this;
    }
    JsonWriter& Key(const char* key)
    {
        Value(summary::JsonString(key) + ": ");
        m_afterKey = true;
        return *this;
    }
    JsonWriter& String(const std::string& text) { return Value(summary::JsonString(text)); }
    JsonWriter& Number(unsigned long long number) { return Value(std::to_string(number)); }
    JsonWriter& Field(const char* key, const std::string& text) { return Key(key).String(text); }
    JsonWriter& Field(const char* key, unsigned long long number) { return Key(key).Number(number); }
    JsonWriter& Strings(const char* key, const std::vector<std::string>& texts)
    {
        Key(key).Open('[');
        for (const std::string& text : texts)
            String(text);
        return Close(']');
    }
    std::string Text() const { return m_out + "\n"; }

private:
    JsonWriter& Value(const std::string& text)
    {
        if (m_afterKey) {
            m_afterKey = false;
        } else if (!m_empty.empty()) {
            if (!m_empty.back())
                m_out += ',';
            m_empty.back() = false;
            NewLine();
        }
        m_out += text;
        return *this;
    }
    void NewLine() { m_out += "\n" + std::string(2 * m_empty.size(), ' '); }

    std::string m_out;
    std::vector<bool> m_empty; // per open container: nothing in it yet
    bool m_afterKey = false;
};

void WriteTotals(JsonWriter& json, const summary::Totals& totals)
{
    json.Key("totals").Open('{');
    json.Field("translated", totals.translated).Field("withWarnings", totals.withNotices);
    json.Field("notTranslated", totals.notTranslated).Field("leftOut", totals.leftOut).Field("skipped", totals.skipped);
    json.Field("unconverted", totals.unconverted).Field("unrecognized", totals.unrecognized);
    json.Close('}');
}

void WriteKinds(JsonWriter& json, const char* key, const std::vector<summary::KindRow>& rows)
{
    json.Key(key).Open('[');
    for (const summary::KindRow& row : rows)
        json.Open('{').Field("kind", row.kind).Field("times", row.times).Field("sessions", row.sessions).Close('}');
    json.Close(']');
}

void WriteSource(JsonWriter& json, const SourceRecord& source, const std::string& section)
{
    json.Open('{');
    json.Field("source", source.source).Field("section", section).Field("desk", source.desk);
    json.Field("state", summary::StateName(source.state)).Field("reason", source.reason);
    json.Field("sessionFile", source.sessionFile).Strings("created", source.created);
    json.Field("unconverted", source.unconverted).Field("unrecognized", source.unrecognized);
    json.Key("lines").Open('[');
    for (const ReportLine& line : source.lines) {
        const summary::LineParts parts = summary::SplitLine(line.text);
        json.Open('{').Field("group", line.group).Field("kind", parts.kind).Field("property", parts.property);
        json.Field("text", line.text).Close('}');
    }
    json.Close(']');
    json.Strings("notices", source.notices);
    json.Close('}');
}

} // namespace

bool WriteSummaryJson(const RunRecord& run, const std::string& path, std::string& error)
{
    JsonWriter json;
    json.Open('{');
    json.Field("format", "qtcm summary 1").Field("command", run.command).Field("version", run.version);
    json.Field("started", run.started).Field("ended", run.ended).Field("desk", run.desk);
    json.Strings("arguments", run.arguments).Field("report", run.report);
    WriteTotals(json, summary::TotalsOf(run));
    json.Key("losses").Open('[');
    for (const summary::LossRow& row : summary::CountLosses(run)) {
        json.Open('{').Field("property", row.property).Field("group", row.group).Field("kind", row.kind);
        json.Field("times", row.times).Field("sessions", row.sessions).Close('}');
    }
    json.Close(']');
    WriteKinds(json, "notices", summary::CountNotices(run));
    json.Key("reasons").Open('{');
    for (const summary::ReasonState& reasons : summary::kReasonStates)
        WriteKinds(json, reasons.key, summary::CountReasons(run, reasons.state));
    json.Close('}');
    const std::vector<std::string> sections = summary::SectionIds(run);
    json.Key("sources").Open('[');
    for (std::size_t i = 0; i < run.sources.size(); ++i)
        WriteSource(json, run.sources[i], sections[i]);
    json.Close(']').Close('}');

    platform::FileError failure;
    if (platform::ReplaceFileContent(path, json.Text(), failure))
        return true;
    error = failure.Describe();
    return false;
}
