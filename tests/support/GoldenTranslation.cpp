#include "support/GoldenTranslation.h"

#include "support/HexBytes.h"

#include <sstream>

namespace testing_support {

void ExpectSameFile(const std::string& actual, const std::string& expected, FileDump dump)
{
    if (actual == expected)
        return;
    auto text = [dump](const std::string& bytes) {
        std::string shown;
        const formats::ReadResult read = dump(bytes, shown);
        return read ? shown : "(unreadable " + read.Describe() + ")";
    };
    EXPECT_EQ(text(actual), text(expected));
    ADD_FAILURE() << HexDifference(expected, actual);
}

void GoldenTranslation::Translate(const TestDesk& desk, const std::string& name)
{
    m_sessions = desk.Sessions() + kSep;
    source = desk.QimSessions() + kSep + name + ".qtc";
    WriteFile(source, ReadFile(GoldenFile(name + ".qtc")));
    report = desk.Path("report.txt");
    WriteFile(report, "");

    ASSERT_TRUE(initialize());
    char output[260] = "";
    EXPECT_TRUE(doTranslate(source.c_str(), report.c_str(), output, &unconverted, &unrecognized));
    created = m_sessions + name + ".TDP";
    ASSERT_EQ(std::string(output), created);
    // Every property line of the report was told, in order, with a statement group.
    std::string toldLines, reportedLines, line;
    for (const auto& [group, text] : reportLines) {
        EXPECT_FALSE(group.empty()) << text;
        toldLines += text;
    }
    std::istringstream reported(ReadFile(report));
    while (std::getline(reported, line))
        if (line.find("property:\t") != std::string::npos || line.rfind("Unable to convert macro:\t", 0) == 0)
            reportedLines += line + "\n";
    EXPECT_EQ(WithoutCarriageReturns(toldLines), WithoutCarriageReturns(reportedLines));
    std::string shown;
    for (const std::string& notice : notices)
        shown += notice + "\n";
    const std::string expected = GoldenFile(name + ".notices");
    EXPECT_EQ(shown, FileExists(expected) ? Substituted(Expected(name + ".notices"), {{"@QIM@", desk.QimSessions() + kSep}})
                                          : std::string());
}

std::string GoldenTranslation::GoldenFile(const std::string& name) const
{
    std::string path = std::string(QTCM_TESTDATA_DIR) + kSep + "golden" + kSep;
    if (!m_folder.empty())
        path += m_folder + kSep;
    return path + name;
}

std::string GoldenTranslation::Expected(const std::string& name) const
{
    return Substituted(WithoutCarriageReturns(ReadFile(GoldenFile(name))),
                       {{"@SOURCE@", source}, {"@OUTPUT@", created}, {"@SESSIONS@", m_sessions}});
}

} // namespace testing_support
