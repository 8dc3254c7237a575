#include "discovery/CQIUtility.h"
#include "platform/FileSystem.h"
#include "translator/CQITranslator.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the run of '9's at the end of name starts (name.size() when it ends in something else).
std::size_t NinesStart(const std::string& name)
{
    std::size_t start = name.size();
    while (start > 0 && name[start - 1] == '9')
        --start;
    return start;
}

// A name counts with a carry when it ends in no digit or only in nines: its counter must grow.
bool StartsWithCarry(const std::string& name)
{
    std::size_t start = name.size();
    while (start > 0 && IsDigit(name[start - 1]))
        --start;
    return start == name.size() || name.find_first_not_of('9', start) == std::string::npos;
}

constexpr std::size_t kNameLimit = 256;
constexpr unsigned kMaxAttempts = 1000000;

} // namespace

void CQITranslator::IncrementNameCounter(std::string& name, bool& carry)
{
    if (carry) {
        carry = false;
        if (name.size() < kNameLimit) {
            // One more digit: "Session" -> "Session0", "Run99" -> "Run099" before the addition.
            name.push_back('9');
            name[NinesStart(name)] = '0';
        } else {
            const std::size_t start = NinesStart(name);
            if (start == 0)
                name.clear();
            else
                name[start - 1] = '0';
        }
    }
    const std::string before = name;
    for (std::size_t i = name.size(); i > 0; --i) {
        if (name[i - 1] == '9') {
            name[i - 1] = '0';
            continue;
        }
        ++name[i - 1];
        break;
    }
    // Only the last character changed and became a '9': the next increment has to grow the counter
    // unless a digit in front of the nines can take the carry ("Sess08" -> "Sess09" -> "Sess10").
    if (!name.empty() && name.back() == '9' && name.compare(0, name.size() - 1, before, 0, before.size() - 1) == 0) {
        const std::size_t start = NinesStart(name);
        if (start == 0 || !IsDigit(name[start - 1]))
            carry = true;
    }
}

std::string CQITranslator::BuildOutputPath(const char* sourcePath, const char* directory, const char* extension)
{
    std::string folder = directory ? directory : "";
    std::string name;
    std::string ext;
    if (extension) {
        name = CQIUtility::SplitPath(sourcePath ? sourcePath : "").name;
        ext = extension;
    } else {
        const CQIUtility::PathParts parts = CQIUtility::SplitPath(folder);
        folder = parts.drive + parts.directory;
        name = parts.name;
        ext = parts.extension;
    }
    bool carry = StartsWithCarry(name);
    if (!platform::EndsWithSeparator(folder))
        folder.push_back(platform::kPathSeparator);

    std::string path = folder + name + ext;
    for (unsigned attempt = 0; platform::PathExists(path); ++attempt) {
        const std::string previous = name;
        IncrementNameCounter(name, carry);
        if (attempt == kMaxAttempts || (name == previous && !carry))
            return {}; // no free name: better no file than an overwritten one
        path = folder + name + ext;
    }
    return path;
}
