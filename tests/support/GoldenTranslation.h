#pragma once
// A session written by hand, translated through the library's exports on a desk of the test's
// own, and the files written by hand that say what the translation must write.
#include "formats/ReadResult.h"
#include "support/LoadedLibrary.h"
#include "support/TestDesk.h"

#include <string>
#include <string_view>

namespace testing_support {

// A format's text dump (src/formats).
using FileDump = formats::ReadResult (*)(std::string_view bytes, std::string& text);
// Equal bytes; or a failure that shows both files field by field through dump, then in hexadecimal
// from their first difference on.
void ExpectSameFile(const std::string& actual, const std::string& expected, FileDump dump);

class GoldenTranslation : public LoadedLibrary {
protected:
    // The golden folder: a folder below tests/data/golden, or that folder itself.
    explicit GoldenTranslation(const std::string& folder = "") : m_folder(folder) {}

    // Copies <name>.qtc of the golden folder into the desk's QIM! folder and translates it with an
    // empty report. The new session file must be <name>.TDP in the desk's session folder, and the
    // notices shown those of <name>.notices, one a line (@QIM@ is the desk's QIM! folder with its
    // separator), or none without that file. Callers wrap it in ASSERT_NO_FATAL_FAILURE.
    void Translate(const TestDesk& desk, const std::string& name);

    // A file of the golden folder.
    std::string GoldenFile(const std::string& name) const;
    // A text file of the golden folder without carriage returns, its placeholders filled in:
    // @SOURCE@ and @OUTPUT@ (the translated and the new session file), @SESSIONS@ (the desk's
    // session folder, with a separator at its end).
    std::string Expected(const std::string& name) const;

    // What Translate left: the paths of the copied session, the report and the new session file,
    // and the run's counts.
    std::string source;
    std::string report;
    std::string created;
    unsigned unconverted = 0;
    unsigned unrecognized = 0;

private:
    std::string m_folder;
    std::string m_sessions;
};

} // namespace testing_support
