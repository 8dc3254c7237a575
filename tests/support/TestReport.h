#pragma once
// The report a converter appends to: an empty file opened as a translation opens its report, and
// read back once the converter is done with it.
#include "platform/Files.h"

#include "support/TestSupport.h"

#include <string>

namespace testing_support {

class TestReport : public platform::File {
public:
    // False where it cannot be opened. In text mode line feeds become the platform's line end.
    bool OpenEmpty(const std::string& path, bool text)
    {
        WriteFile(path, "");
        platform::FileError error;
        return Open(path, platform::OpenMode::WriteExclusive, text, error);
    }
    // The report as written so far (nothing where it could not be opened); the report is closed.
    std::string Text()
    {
        Close();
        return Path().empty() ? std::string() : ReadFile(Path());
    }
};

} // namespace testing_support
