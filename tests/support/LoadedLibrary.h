#pragma once
// The translator library loaded afresh for a test and driven through its exports only, as the
// migration tool drives it. The notices it shows are collected instead of shown.
#include "interface/Exports.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace testing_support {

class LoadedLibrary : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    decltype(&KorvanestaTranslatorInitialize) initialize = nullptr;
    decltype(&KorvanestaTranslatorDirectories) directories = nullptr;
    decltype(&KorvanestaTranslatorSetDirPath) setDirPath = nullptr;
    decltype(&KorvanestaTranslatorIsValidFile) isValidFile = nullptr;
    decltype(&KorvanestaTranslatorDoTranslate) doTranslate = nullptr;
    decltype(&GetKorvanestaTranslatorName) getName = nullptr;
    decltype(&GetKorvanestaTranslatorDescription) getDescription = nullptr;
    decltype(&GetKorvanestaTranslatorLinkName) getLinkName = nullptr;
    decltype(&QTC_IsComponentInstalled) isComponentInstalled = nullptr;
    decltype(&QTC_IsYourProductInstalled) isYourProductInstalled = nullptr;
    decltype(&QTC_FindYourConfigFiles) findYourConfigFiles = nullptr;
    decltype(&QTC_IsThisYourFile) isThisYourFile = nullptr;
    decltype(&QTC_TranslateThisFile) translateThisFile = nullptr;
    decltype(&GimmieTranslators) gimmieTranslators = nullptr;
    std::vector<std::string> notices;
    std::vector<std::pair<std::string, std::string>> reportLines; // group and line, as told

private:
    void* Symbol(const char* name);
    void* m_library = nullptr;
};

// A file's text without carriage returns, and with placeholders replaced.
std::string WithoutCarriageReturns(const std::string& text);
std::string Substituted(std::string text, const std::vector<std::pair<std::string, std::string>>& placeholders);

} // namespace testing_support
