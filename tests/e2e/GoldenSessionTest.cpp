// A whole session, as the migration tool would hand it over, compared with files written by hand:
// the session touches every group the general, colour and attribute converters know, every value
// kind those groups offer, and the ways a property can fail to carry over.
#include "interface/Exports.h"

#include "support/TestDesk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

using namespace testing_support;

// A fresh load of the library for every test, driven through its exports only.
class Golden : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        m_library = reinterpret_cast<void*>(::LoadLibraryA(QTCM_LIBRARY_NAME));
#else
        m_library = ::dlopen(QTCM_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
#endif
        ASSERT_NE(m_library, nullptr) << "cannot load " << QTCM_LIBRARY_NAME;
        Bind("KorvanestaTranslatorInitialize", initialize);
        Bind("KorvanestaTranslatorIsValidFile", isValidFile);
        Bind("KorvanestaTranslatorDoTranslate", doTranslate);
        decltype(&QTCmSetNoticeHandler) setNoticeHandler = nullptr;
        Bind("QTCmSetNoticeHandler", setNoticeHandler);
        setNoticeHandler(&Collect, &notices);
    }

    void TearDown() override
    {
#ifdef _WIN32
        ::FreeLibrary(static_cast<HMODULE>(m_library));
#else
        ::dlclose(m_library);
#endif
    }

    template <typename F>
    void Bind(const char* name, F& function)
    {
#ifdef _WIN32
        function = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(m_library), name)));
#else
        function = reinterpret_cast<F>(::dlsym(m_library, name));
#endif
        ASSERT_NE(function, nullptr) << name;
    }

    static void Collect(const char* message, void* context)
    {
        static_cast<std::vector<std::string>*>(context)->push_back(message);
    }

    decltype(&KorvanestaTranslatorInitialize) initialize = nullptr;
    decltype(&KorvanestaTranslatorIsValidFile) isValidFile = nullptr;
    decltype(&KorvanestaTranslatorDoTranslate) doTranslate = nullptr;
    std::vector<std::string> notices;

private:
    void* m_library = nullptr;
};

std::string GoldenFile(const std::string& name)
{
    return std::string(QTCM_TESTDATA_DIR) + kSep + "golden" + kSep + name;
}

std::string WithoutCarriageReturns(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (c != '\r')
            out.push_back(c);
    return out;
}

std::string Substituted(std::string text, const std::vector<std::pair<std::string, std::string>>& placeholders)
{
    for (const auto& [placeholder, value] : placeholders) {
        for (std::size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at + value.size()))
            text.replace(at, placeholder.size(), value);
    }
    return text;
}

TEST_F(Golden, EverythingSessionMatchesTheHandWrittenFiles)
{
    TestDesk desk;
    // The desk's installation gets this test's session template and tool catalogues.
    WriteFile(desk.TemplatePath(), ReadFile(GoldenFile("Async.tdp")));
    const std::string catalogues = desk.Install() + kSep + "ENU";
    MakeDir(catalogues);
    WriteFile(catalogues + kSep + "toolcomp.ini", ReadFile(GoldenFile("toolcomp.ini")));
    WriteFile(catalogues + kSep + "gi32.ini", ReadFile(GoldenFile("gi32.ini")));

    const std::string source = desk.QimSessions() + kSep + "Everything.qtc";
    WriteFile(source, ReadFile(GoldenFile("Everything.qtc")));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");

    ASSERT_TRUE(initialize());
    ASSERT_TRUE(isValidFile(source.c_str()));
    char output[260] = "";
    unsigned unconverted = 0, unrecognized = 0;
    EXPECT_TRUE(doTranslate(source.c_str(), report.c_str(), output, &unconverted, &unrecognized));
    const std::string created = desk.Sessions() + kSep + "Everything.TDP";
    ASSERT_EQ(std::string(output), created);

    // The history file lands beside the new session file, so its folder is the test's own.
    const std::string expectedSession = Substituted(WithoutCarriageReturns(ReadFile(GoldenFile("Everything.TDP.expected"))),
                                                    {{"@SESSIONS@", desk.Sessions() + kSep}});
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(created)), expectedSession);

    const std::string expectedReport = Substituted(WithoutCarriageReturns(ReadFile(GoldenFile("Everything.report.expected"))),
                                                   {{"@SOURCE@", source}, {"@OUTPUT@", created}});
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(report)), expectedReport);

    // The totals of the expected report.
    EXPECT_EQ(unconverted, 29u);
    EXPECT_EQ(unrecognized, 8u);
    EXPECT_TRUE(notices.empty()) << (notices.empty() ? "" : notices[0]);

    // No statement of this session belongs to a converter with a file of its own.
    EXPECT_TRUE(std::filesystem::is_empty(desk.Schemes()));
}

} // namespace
