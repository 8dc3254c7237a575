#include "support/LoadedLibrary.h"
#include "support/TestSupport.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace testing_support {

void* LoadedLibrary::Symbol(const char* name)
{
#ifdef _WIN32
    void* symbol = reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(m_library), name));
#else
    void* symbol = ::dlsym(m_library, name);
#endif
    EXPECT_NE(symbol, nullptr) << name;
    return symbol;
}

void LoadedLibrary::SetUp()
{
#ifdef _WIN32
    m_library = reinterpret_cast<void*>(::LoadLibraryA(QTCM_LIBRARY_NAME));
#else
    m_library = ::dlopen(QTCM_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
#endif
    ASSERT_NE(m_library, nullptr) << "cannot load " << QTCM_LIBRARY_NAME;
    const auto bind = [this](const char* name, auto& function) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(Symbol(name));
    };
    bind("KorvanestaTranslatorInitialize", initialize);
    bind("KorvanestaTranslatorDirectories", directories);
    bind("KorvanestaTranslatorSetDirPath", setDirPath);
    bind("KorvanestaTranslatorIsValidFile", isValidFile);
    bind("KorvanestaTranslatorDoTranslate", doTranslate);
    bind("GetKorvanestaTranslatorName", getName);
    bind("GetKorvanestaTranslatorDescription", getDescription);
    bind("GetKorvanestaTranslatorLinkName", getLinkName);
    bind("QTC_IsComponentInstalled", isComponentInstalled);
    bind("QTC_IsYourProductInstalled", isYourProductInstalled);
    bind("QTC_FindYourConfigFiles", findYourConfigFiles);
    bind("QTC_IsThisYourFile", isThisYourFile);
    bind("QTC_TranslateThisFile", translateThisFile);
    bind("GimmieTranslators", gimmieTranslators);
    decltype(&QTCmSetNoticeHandler) setNoticeHandler = nullptr;
    bind("QTCmSetNoticeHandler", setNoticeHandler);
    if (setNoticeHandler)
        setNoticeHandler(&CollectNotice, &notices);
    decltype(&QTCmSetReportLineHandler) setReportLineHandler = nullptr;
    bind("QTCmSetReportLineHandler", setReportLineHandler);
    if (setReportLineHandler)
        setReportLineHandler(
            [](const char* group, const char* line, void* lines) {
                static_cast<std::vector<std::pair<std::string, std::string>>*>(lines)->emplace_back(group, line);
            },
            &reportLines);
}

void LoadedLibrary::TearDown()
{
    if (!m_library)
        return;
#ifdef _WIN32
    ::FreeLibrary(static_cast<HMODULE>(m_library));
#else
    ::dlclose(m_library);
#endif
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
    for (const auto& [placeholder, value] : placeholders)
        for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
            text.replace(at, placeholder.size(), value);
    return text;
}

} // namespace testing_support
