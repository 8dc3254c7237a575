#pragma once
// The translator library as the host reaches it: loaded at run time, every export by name.
#include "interface/Exports.h"

#include <string>

struct QtcmLibrary {
    decltype(&KorvanestaTranslatorInitialize) initialize = nullptr;
    decltype(&KorvanestaTranslatorDirectories) directories = nullptr;
    decltype(&KorvanestaTranslatorSetDirPath) setDirPath = nullptr;
    decltype(&KorvanestaTranslatorIsValidFile) isValidFile = nullptr;
    decltype(&KorvanestaTranslatorDoTranslate) doTranslate = nullptr;
    decltype(&QTCmSetNoticeHandler) setNoticeHandler = nullptr;
    decltype(&QTCmSetReportLineHandler) setReportLineHandler = nullptr;

    // Loads the library from the host's own folder (or the loader's search path); false with a
    // message when it or one of its exports is missing.
    bool Load(const std::string& hostPath, std::string& message);
};
