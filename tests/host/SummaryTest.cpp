// The summaries' logic: texts made UTF-8 and escaped for JSON and HTML, messages reduced to their
// kind, and the tables counted from a run record.
#include "SummaryTables.h"
#include "SummaryText.h"

#include <gtest/gtest.h>

namespace {

using summary::KindRow;
using summary::LossRow;

struct TextCase {
    const char* in;
    const char* out;
};

#ifdef _WIN32
constexpr bool kNamesAreUtf8 = false; // the host's names are of the ANSI code page
#else
constexpr bool kNamesAreUtf8 = true;
#endif

TEST(SummaryText, JsonStrings)
{
    const TextCase cases[] = {
        {"plain", "\"plain\""},
        {"a\"b\\c/d", "\"a\\\"b\\\\c/d\""},
        {"line\nend\r\ttab", "\"line\\nend\\r\\ttab\""},
        {"\x01\x1F\x7F", "\"\\u0001\\u001F\\u007F\""},
        {"\x80 caf\xE9 \x93q\x94 \x9F", "\"\xE2\x82\xAC caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D \xC5\xB8\""},
        {"\x81\x8D\x8F\x90\x9D", "\"\\u0081\\u008D\\u008F\\u0090\\u009D\""}, // bytes the code page leaves undefined
        {"\xC3(", "\"\xC3\x83(\""},                                           // not UTF-8: Windows-1252
        {"\xED\xA0\x80", "\"\xC3\xAD\xC2\xA0\xE2\x82\xAC\""},                 // a surrogate is no UTF-8 either
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(summary::JsonString(c.in), c.out) << c.in;
    EXPECT_EQ(summary::JsonString(std::string("a\0b", 3)), "\"a\\u0000b\"");
    // A name in UTF-8, as the file system shows it on posix, stays as it is there.
    EXPECT_EQ(summary::JsonString("M\xC3\xBCller.qtc"),
              kNamesAreUtf8 ? "\"M\xC3\xBCller.qtc\"" : "\"M\xC3\x83\xC2\xBCller.qtc\"");
}

TEST(SummaryText, HtmlTextAndAttributes)
{
    const TextCase text[] = {
        {"<a href=\"x\">Tom & 'Jerry'</a>", "&lt;a href=&quot;x&quot;&gt;Tom &amp; &#39;Jerry&#39;&lt;/a&gt;"},
        {"one\r\ntwo\nthree\tfour", "one\ntwo\nthree\tfour"},
        {"logout\r", "logout<span class=\"control\" title=\"U+000D\">CR</span>"},
        {"\x1B[0m\x7F",
         "<span class=\"control\" title=\"U+001B\">ESC</span>[0m<span class=\"control\" title=\"U+007F\">DEL</span>"},
        {"\x81", "<span class=\"control\" title=\"U+0081\">U+0081</span>"},
        {"\x93quoted\x94 \xA0\xFF", "\xE2\x80\x9Cquoted\xE2\x80\x9D \xC2\xA0\xC3\xBF"},
    };
    for (const TextCase& c : text)
        EXPECT_EQ(summary::HtmlText(c.in), c.out) << c.in;
    const TextCase attributes[] = {
        {"a\"b'<c>&", "a&quot;b&#39;&lt;c&gt;&amp;"},
        {"a\rb\x01\x7F\x81", "a\xE2\x90\x8D" "b\xE2\x90\x81\xE2\x90\xA1\xEF\xBF\xBD"},
        {"a\nb", "a\nb"},
    };
    for (const TextCase& c : attributes)
        EXPECT_EQ(summary::HtmlAttribute(c.in), c.out) << c.in;
}

TEST(SummaryText, DumpQuotesUndone)
{
    const TextCase cases[] = {
        {"\"logout\\x0D\"", "logout\r"},
        {"\"a\\\"b\\\\c\\td\"", "a\"b\\c\td"},
        {"\"caf\\xE9\\xe9\"", "caf\xE9\xE9"},
        {"\"\\xZ1\"", "xZ1"},
        {"unquoted", "unquoted"},
        {"\"\"", ""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(summary::UnquoteDump(c.in), c.out) << c.in;
}

TEST(SummaryText, NoticeAndReasonKinds)
{
    const TextCase notices[] = {
        {"MacroOptions (startup macro): the macro path \"..\\Macros\\Logon.qtm\" is relative: it was read as "
         "../Macros/Logon.qtm from the working folder /work/s/.",
         "the macro path \"...\" is relative: it was read as ... from the working folder ..."},
        {"Keyboard.Mapping (F2): Could not read the macro file \"C:\\M\\x.qtm\": the file was not found. It was looked "
         "for as /mnt/c/M/x.qtm. The binding was dropped.",
         "Could not read the macro file \"...\": the file was not found."},
        {"A macro: Could not read the macro file \"x.qtm\": access was denied.",
         "Could not read the macro file \"...\": access was denied."},
        {"Could not open \"/tmp/QTCmBasic_rpt.TXT\": the path is not valid.",
         "Could not open \"...\": the path is not valid."},
        {"qtcm check refuses this file (not a QIM! session file: no QIM! header line); it was translated all the same",
         "qtcm check refuses this file (not a QIM! session file: no QIM! header line); it was translated all the same"},
        {"Not enough memory to convert a statement.", "Not enough memory to convert a statement."},
    };
    for (const TextCase& c : notices)
        EXPECT_EQ(summary::NoticeKind(c.in), c.out) << c.in;
    const TextCase reasons[] = {
        {"stopped after creating /out/Sessions/Demo.TDP", "stopped after creating ..."},
        {"not found: the folder C:\\gone does not exist", "not found: the folder ... does not exist"},
        {"not a QIM! session file: it does not begin with \"// Version QIM! \"",
         "not a QIM! session file: it does not begin with \"// Version QIM! \""},
    };
    for (const TextCase& c : reasons)
        EXPECT_EQ(summary::ReasonKind(c.in), c.out) << c.in;
}

TEST(SummaryTables, ReportLinesSplit)
{
    const struct {
        const char* line;
        const char* kind;
        const char* property;
    } cases[] = {
        {"Unconverted property:\tFontStyle=\"Bold\"", "unconverted", "FontStyle"},
        {"Unreconnized property:\tBellVolume", "unrecognized", "BellVolume"},
        {"Unable to convert macro:\tSEND(\"A=1\")", "macro", "SEND(\"A=1\")"},
        {"Unconverted property:\tRUNMACRO(\"x.qtm\")", "unconverted", "RUNMACRO(\"x.qtm\")"},
        {"Session file created: x", "other", "Session file created: x"},
    };
    for (const auto& c : cases) {
        const summary::LineParts parts = summary::SplitLine(c.line);
        EXPECT_STREQ(parts.kind, c.kind) << c.line;
        EXPECT_EQ(parts.property, c.property) << c.line;
    }
}

SourceRecord Source(const char* path, SourceRecord::State state, unsigned unconverted, unsigned unrecognized,
                    std::vector<ReportLine> lines, std::vector<std::string> notices = {}, const char* reason = "")
{
    SourceRecord source;
    source.source = path;
    source.state = state;
    source.unconverted = unconverted;
    source.unrecognized = unrecognized;
    source.lines = std::move(lines);
    source.notices = std::move(notices);
    source.reason = reason;
    return source;
}

// Three sessions translated, one not, one left out, one skipped.
RunRecord SampleRun()
{
    using State = SourceRecord::State;
    const char* const relative = "Mouse (LBD): the macro path \"x.qtm\" is relative: it was read as ./x.qtm from the "
                                 "working folder /a/.";
    RunRecord run;
    run.sources = {
        Source("a/Demo.qtc", State::Translated, 3, 1,
               {{"Display", "Unconverted property:\tHorizontal=True"},
                {"Display", "Unconverted property:\tVertical=True"},
                {"Terminal", "Unreconnized property:\tBellVolume"},
                {"Display", "Unconverted property:\tHorizontal=False"}},
               {relative}),
        Source("b/Demo.qtc", State::Translated, 1, 0, {{"Display", "Unconverted property:\tHorizontal=True"}},
               {relative, "Keyboard.Mapping (F2): the macro path \"y.qtm\" is relative: it was read as ./y.qtm from "
                          "the working folder /b/."}),
        Source("Payroll.qtc", State::Translated, 2, 2,
               {{"Printer", "Unconverted property:\tHorizontal=1"},
                {"Display", "Unconverted property:\tVertical=False"},
                {"ButtonPad", "Unable to convert macro:\tSEND(\"A\")"},
                {"Terminal", "Unreconnized property:\tBellVolume"}}),
        Source("gone.qtc", State::NotTranslated, 0, 0, {}, {}, "not found: the folder /x does not exist"),
        Source("notes.txt", State::LeftOut, 0, 0, {}, {}, "not a QIM! session file: no QIM! header line"),
        Source("old.qtc", State::Skipped, 0, 0, {}, {}, "translated before"),
    };
    return run;
}

TEST(SummaryTables, TotalsAndHeadline)
{
    const summary::Totals totals = summary::TotalsOf(SampleRun());
    EXPECT_EQ(totals.translated, 3u);
    EXPECT_EQ(totals.withNotices, 2u);
    EXPECT_EQ(totals.Attempted(), 4u);
    EXPECT_EQ(summary::Headline(totals),
              "3 of 4 files translated (2 with warnings), 1 skipped, 1 left out; 6 unconverted and 3 unrecognized "
              "properties in all.");
    EXPECT_EQ(summary::Headline(summary::Totals{}),
              "0 of 0 files translated; 0 unconverted and 0 unrecognized properties in all.");
}

// Grouped by property, statement group and kind; most often first, then in name order.
TEST(SummaryTables, LossesCounted)
{
    const std::vector<LossRow> expected = {
        {"Horizontal", "Display", "unconverted", 3, 2}, {"BellVolume", "Terminal", "unrecognized", 2, 2},
        {"Vertical", "Display", "unconverted", 2, 2},   {"Horizontal", "Printer", "unconverted", 1, 1},
        {"SEND(\"A\")", "ButtonPad", "macro", 1, 1},
    };
    const std::vector<LossRow> rows = summary::CountLosses(SampleRun());
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].property, expected[i].property) << i;
        EXPECT_EQ(rows[i].group, expected[i].group) << i;
        EXPECT_EQ(rows[i].kind, expected[i].kind) << i;
        EXPECT_EQ(rows[i].times, expected[i].times) << i;
        EXPECT_EQ(rows[i].sessions, expected[i].sessions) << i;
    }
}

TEST(SummaryTables, NoticesAndReasonsByKind)
{
    const RunRecord run = SampleRun();
    const std::vector<KindRow> notices = summary::CountNotices(run);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, "the macro path \"...\" is relative: it was read as ... from the working folder ...");
    EXPECT_EQ(notices[0].times, 3u);
    EXPECT_EQ(notices[0].sessions, 2u);
    const struct {
        SourceRecord::State state;
        const char* kind;
    } reasons[] = {
        {SourceRecord::State::NotTranslated, "not found: the folder ... does not exist"},
        {SourceRecord::State::LeftOut, "not a QIM! session file: no QIM! header line"},
        {SourceRecord::State::Skipped, "translated before"},
    };
    for (const auto& r : reasons) {
        const std::vector<KindRow> rows = summary::CountReasons(run, r.state);
        ASSERT_EQ(rows.size(), 1u) << r.kind;
        EXPECT_EQ(rows[0].kind, r.kind);
        EXPECT_EQ(rows[0].times, 1u);
    }
    EXPECT_TRUE(summary::CountReasons(RunRecord{}, SourceRecord::State::LeftOut).empty());
}

TEST(SummaryTables, MostLossesFirstAndAtMostTheLimit)
{
    const RunRecord run = SampleRun();
    EXPECT_EQ(summary::MostLosses(run, 10), (std::vector<std::size_t>{0, 2, 1})); // 4, 4 (in run order), 1; none with 0
    EXPECT_EQ(summary::MostLosses(run, 2), (std::vector<std::size_t>{0, 2}));
}

TEST(SummaryTables, SectionIdsAreUniqueAndPlain)
{
    RunRecord run;
    for (const char* path : {"a/Demo.qtc", "b\\Demo.qtc", "Demo.qtc-2", "My Session (\xE9t\xE9).qtc", ""})
        run.sources.push_back(Source(path, SourceRecord::State::Translated, 0, 0, {}));
    EXPECT_EQ(summary::SectionIds(run), (std::vector<std::string>{"session-Demo-qtc", "session-Demo-qtc-2",
                                                                   "session-Demo-qtc-2-2", "session-My-Session---t---qtc",
                                                                   "session-"}));
}

} // namespace
