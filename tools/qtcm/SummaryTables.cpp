#include "SummaryTables.h"

#include "SummaryText.h"
#include "formats/ReportLines.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace summary {

namespace {

// The report's own codes of a property line and the kind each stands for; the line's prefix is
// the report's, so that the two cannot drift apart. A property line names the property before
// its '='; a macro line names the macro call as a whole.
const struct {
    int code;
    const char* kind;
    bool named;
} kLineKinds[] = {
    {1, "unrecognized", true},
    {2, "unconverted", true},
    {3, "macro", false},
};

const char* const kStateNames[] = {"translated", "not translated", "left out", "skipped"};

// Counts of keys over the sources: how often each came, and from how many sources.
template <typename Key>
class Tally {
public:
    void Add(const Key& key, std::size_t source)
    {
        Counts& counts = m_counts[key];
        ++counts.times;
        if (counts.sessions == 0 || counts.lastSource != source)
            ++counts.sessions;
        counts.lastSource = source;
    }
    // Each key with its counts, most often first; then in the keys' order.
    template <typename Row, typename Fill>
    std::vector<Row> Rows(Fill fill) const
    {
        std::vector<std::pair<Key, Counts>> sorted(m_counts.begin(), m_counts.end());
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto& a, const auto& b) { return a.second.times > b.second.times; });
        std::vector<Row> rows;
        for (const auto& [key, counts] : sorted) {
            Row row;
            fill(key, row);
            row.times = counts.times;
            row.sessions = counts.sessions;
            rows.push_back(row);
        }
        return rows;
    }

private:
    struct Counts {
        unsigned times = 0, sessions = 0;
        std::size_t lastSource = 0;
    };
    std::map<Key, Counts> m_counts;
};

std::vector<KindRow> KindRows(const Tally<std::string>& tally)
{
    return tally.Rows<KindRow>([](const std::string& key, KindRow& row) { row.kind = key; });
}

} // namespace

const ReasonState kReasonStates[3] = {
    {SourceRecord::State::NotTranslated, "Not translated", "notTranslated"},
    {SourceRecord::State::Skipped, "Skipped", "skipped"},
    {SourceRecord::State::LeftOut, "Left out", "leftOut"},
};

const char* StateName(SourceRecord::State state) { return kStateNames[static_cast<int>(state)]; }

std::string StateId(SourceRecord::State state)
{
    std::string id = StateName(state);
    std::replace(id.begin(), id.end(), ' ', '-');
    return id;
}

LineParts SplitLine(const std::string& text)
{
    for (const auto& row : kLineKinds) {
        std::string prefix = report::PropertyLine("", row.code);
        prefix.pop_back(); // its line end
        if (text.rfind(prefix, 0) == 0) {
            const std::string rest = text.substr(prefix.size());
            return {row.kind, row.named ? rest.substr(0, rest.find('=')) : rest};
        }
    }
    return {"other", text};
}

Totals TotalsOf(const RunRecord& run)
{
    Totals totals;
    for (const SourceRecord& source : run.sources) {
        switch (source.state) {
        case SourceRecord::State::Translated:
            ++totals.translated;
            totals.withNotices += source.notices.empty() ? 0 : 1;
            totals.unconverted += source.unconverted;
            totals.unrecognized += source.unrecognized;
            break;
        case SourceRecord::State::NotTranslated: ++totals.notTranslated; break;
        case SourceRecord::State::LeftOut: ++totals.leftOut; break;
        case SourceRecord::State::Skipped: ++totals.skipped; break;
        }
    }
    return totals;
}

std::string Headline(const Totals& totals)
{
    std::string text =
        std::to_string(totals.translated) + " of " + std::to_string(totals.Attempted()) + " files translated";
    if (totals.withNotices)
        text += " (" + std::to_string(totals.withNotices) + " with warnings)";
    if (totals.skipped)
        text += ", " + std::to_string(totals.skipped) + " skipped";
    if (totals.leftOut)
        text += ", " + std::to_string(totals.leftOut) + " left out";
    return text + "; " + std::to_string(totals.unconverted) + " unconverted and " +
           std::to_string(totals.unrecognized) + " unrecognized properties in all.";
}

std::vector<LossRow> CountLosses(const RunRecord& run)
{
    using Key = std::tuple<std::string, std::string, std::string>; // property, group, kind
    Tally<Key> tally;
    for (std::size_t i = 0; i < run.sources.size(); ++i)
        for (const ReportLine& line : run.sources[i].lines) {
            const LineParts parts = SplitLine(line.text);
            tally.Add({parts.property, line.group, parts.kind}, i);
        }
    return tally.Rows<LossRow>([](const Key& key, LossRow& row) {
        std::tie(row.property, row.group, row.kind) = key;
    });
}

std::vector<KindRow> CountNotices(const RunRecord& run)
{
    Tally<std::string> tally;
    for (std::size_t i = 0; i < run.sources.size(); ++i)
        for (const std::string& notice : run.sources[i].notices)
            tally.Add(NoticeKind(notice), i);
    return KindRows(tally);
}

std::vector<KindRow> CountReasons(const RunRecord& run, SourceRecord::State state)
{
    Tally<std::string> tally;
    for (std::size_t i = 0; i < run.sources.size(); ++i)
        if (run.sources[i].state == state)
            tally.Add(ReasonKind(run.sources[i].reason), i);
    return KindRows(tally);
}

std::vector<std::size_t> MostLosses(const RunRecord& run, std::size_t limit)
{
    const auto losses = [&](std::size_t i) { return run.sources[i].unconverted + run.sources[i].unrecognized; };
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < run.sources.size(); ++i)
        if (losses(i) > 0)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return losses(a) > losses(b); });
    if (order.size() > limit)
        order.resize(limit);
    return order;
}

std::vector<std::string> SectionIds(const RunRecord& run)
{
    std::vector<std::string> ids;
    std::set<std::string> used;
    for (const SourceRecord& source : run.sources) {
        const std::size_t slash = source.source.find_last_of("/\\");
        std::string id = "session-";
        for (const char c : source.source.substr(slash == std::string::npos ? 0 : slash + 1)) {
            const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
            id += plain ? c : '-';
        }
        std::string unique = id;
        for (unsigned n = 2; used.count(unique); ++n)
            unique = id + "-" + std::to_string(n);
        used.insert(unique);
        ids.push_back(unique);
    }
    return ids;
}

} // namespace summary
