// The map of created files is written as CSV and the list of desks is read as CSV: what one writes,
// the other must read back, with the quoting the format asks for.
#include "Csv.h"

#include <gtest/gtest.h>

namespace {

TEST(Csv, QuotesOnlyWhatNeedsQuoting)
{
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {" padded", "\" padded\""},
        {"C:\\Users\\ann\\Demo.TDP", "C:\\Users\\ann\\Demo.TDP"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvField(c.text), c.field) << c.text;
    EXPECT_EQ(CsvRow({"a", "b,c", ""}), "a,\"b,c\",\r\n");
}

TEST(Csv, ReadsBackWhatItWrites)
{
    const std::vector<std::vector<std::string>> rows = {
        {"name", "sources"},
        {"ann", "/srv/a,b/x.qtc;y.qtc"},
        {"bob \"the\" admin", "line\nbreak"},
        {"", ""},
    };
    std::string text;
    for (const auto& row : rows)
        text += CsvRow(row);
    std::vector<CsvRecord> records;
    std::string error;
    ASSERT_TRUE(ParseCsv(text, records, error)) << error;
    ASSERT_EQ(records.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(records[i].fields, rows[i]) << "row " << i;
    EXPECT_EQ(records[3].line, 5u) << "the quoted line break counts as a line";
}

TEST(Csv, ReadsWhatSpreadsheetsAndEditorsWrite)
{
    std::vector<CsvRecord> records;
    std::string error;
    ASSERT_TRUE(ParseCsv("\xEF\xBB\xBFname,output\n\nann,out\nbob,\n", records, error)) << error;
    ASSERT_EQ(records.size(), 3u) << "byte-order mark dropped, blank line skipped";
    EXPECT_EQ(records[0].fields[0], "name");
    EXPECT_EQ(records[1].line, 3u);
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"bob", ""}));
    records.clear();
    ASSERT_TRUE(ParseCsv("a,b", records, error)) << "no line end after the last record";
    EXPECT_EQ(records[0].fields.size(), 2u);
}

TEST(Csv, NamesTheLineOfABrokenQuote)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"name\n\"ann,out\n", "line 2: a quoted field is not closed"},
        {"name\n\"ann\"x,out\n", "line 2: text after the closing quote of a field"},
    };
    for (const auto& c : cases) {
        std::vector<CsvRecord> records;
        std::string error;
        EXPECT_FALSE(ParseCsv(c.text, records, error)) << c.text;
        EXPECT_EQ(error, c.error);
    }
}

} // namespace
