#include "platform/OutputNames.h"

#include "platform/FileSystem.h"

#include <optional>

namespace platform {

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
constexpr unsigned kSingleProbes = 8;
constexpr std::size_t kCounterDigits = 8; // more than a search of kMaxAttempts names adds

// Whether the next name of the search is taken. The first few are asked for one by one; past
// them the folder's listing answers for the names it holds, so the thousandth session of one name
// costs one listing, not a thousand questions; the name found free is always asked for. A name is
// taken when a file of that name is there at the moment of the question.
class TakenNames {
public:
    TakenNames(const std::string& folder, const std::string& name, const std::string& extension)
        : m_folder(folder), m_extension(extension)
    {
        // Counting changes only the trailing digits, until a name grown to the length limit changes
        // the character in front of them: near the limit every name of the extension is listed.
        std::size_t stem = name.size();
        while (stem > 0 && IsDigit(name[stem - 1]))
            --stem;
        if (name.size() + kCounterDigits < kNameLimit)
            m_prefix = name.substr(0, stem);
    }

    bool Taken(const std::string& name, unsigned asked)
    {
        const std::string file = name + m_extension;
        if (asked >= kSingleProbes && !m_listed)
            m_listed.emplace(m_folder, m_prefix, m_extension);
        // A name the listing holds is taken; one it lacks is asked for, since another process may
        // have written it since the folder was listed.
        if (m_listed && m_listed->Listed() && m_listed->Contains(file))
            return true;
        if (!PathExists(m_folder + file))
            return false;
        NoteNameTaken(m_folder, file);
        return true;
    }

private:
    std::string m_folder, m_extension, m_prefix;
    std::optional<ListedNames> m_listed; // once the single questions are spent
};
} // namespace

void IncrementNameCounter(std::string& name, bool& carry)
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

std::string BuildOutputPath(const char* sourcePath, const char* directory, const char* extension)
{
    std::string folder = directory ? directory : "";
    std::string name;
    std::string ext;
    if (extension) {
        name = SplitPath(sourcePath ? sourcePath : "").name;
        ext = extension;
    } else {
        const PathParts parts = SplitPath(folder);
        folder = parts.drive + parts.directory;
        name = parts.name;
        ext = parts.extension;
    }
    bool carry = StartsWithCarry(name);
    if (!EndsWithSeparator(folder))
        folder.push_back(kPathSeparator);

    // A search that starts from a name an earlier one started from goes on where that one stopped:
    // the names it passed over are still taken (see RecallNameSearch). The first names from there
    // are asked for one by one again, since that is where other writers add theirs.
    const std::string first = name + ext;
    NameSearchMark mark{name, carry, 0};
    const bool recalled = RecallNameSearch(folder, first, mark);
    name = mark.name;
    carry = mark.carry;
    unsigned attempt = mark.attempts;
    TakenNames taken(folder, name, ext);
    for (unsigned asked = 0; taken.Taken(name, asked); ++asked, ++attempt) {
        const std::string previous = name;
        IncrementNameCounter(name, carry);
        if (attempt >= kMaxAttempts || (name == previous && !carry))
            return {}; // no free name: better no file than an overwritten one
    }
    if (recalled || attempt > 0) // a name found free at once is not worth keeping
        RememberNameSearch(folder, first, NameSearchMark{name, carry, attempt});
    return folder + name + ext;
}

} // namespace platform
