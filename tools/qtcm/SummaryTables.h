#pragma once
// What the summaries count, made once from the run record: the totals, the properties not carried
// over grouped by property and statement group, the sessions that lost most, the notices and the
// reasons by kind. Every table comes sorted, most first.
#include "RunRecord.h"

#include <cstddef>
#include <string>
#include <vector>

namespace summary {

// "translated", "not translated", "left out", "skipped".
const char* StateName(SourceRecord::State state);
// The same with '-' for blanks, for HTML ids and classes: "not-translated".
std::string StateId(SourceRecord::State state);

// The states whose sources have a reason, in the order the summaries show them: the title of
// their table and their key in the JSON summary.
struct ReasonState {
    SourceRecord::State state;
    const char* title;
    const char* key;
};
extern const ReasonState kReasonStates[3];

// A report line's parts: "Unconverted property:\tFontStyle=\"Bold\"" is of the kind
// "unconverted" and names the property FontStyle (the text after the tab up to '='); a line
// "Unable to convert macro:\tSEND(\"A=1\")" is of the kind "macro" and names the call as a whole.
// A line of no known kind is "other", its property the whole text.
struct LineParts {
    const char* kind;
    std::string property;
};
LineParts SplitLine(const std::string& text);

struct Totals {
    std::size_t translated = 0, withNotices = 0, notTranslated = 0, leftOut = 0, skipped = 0;
    unsigned unconverted = 0, unrecognized = 0; // of the translated sources
    std::size_t Attempted() const { return translated + notTranslated; }
};
Totals TotalsOf(const RunRecord& run);
// "2 of 3 files translated (1 with warnings), 1 skipped, 1 left out; 8 unconverted and 1
// unrecognized properties in all."
std::string Headline(const Totals& totals);

// One property not carried over from one statement group, in one way (kind).
struct LossRow {
    std::string property, group, kind;
    unsigned times = 0, sessions = 0;
};
// Most often first; then by property, group and kind.
std::vector<LossRow> CountLosses(const RunRecord& run);

// A kind of notice or reason, how often it came and from how many sources.
struct KindRow {
    std::string kind;
    unsigned times = 0, sessions = 0;
};
// Notices by NoticeKind, most often first; then by kind.
std::vector<KindRow> CountNotices(const RunRecord& run);
// The reasons of the sources in state, by ReasonKind, most often first; then by kind.
std::vector<KindRow> CountReasons(const RunRecord& run, SourceRecord::State state);

// Indexes of the sources that lost properties (unconverted plus unrecognized), most first, in the
// run's order among equals; at most limit of them.
std::vector<std::size_t> MostLosses(const RunRecord& run, std::size_t limit);

// One HTML id per source, from its file name ("Demo.qtc" gives "session-Demo-qtc"); the second
// source of one name gets "-2", and so on, so that no two are alike.
std::vector<std::string> SectionIds(const RunRecord& run);

} // namespace summary
