#include "WorkerAssignment.h"

#include "platform/AsciiCase.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace {

bool IsNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

std::string WithoutTrailingDigits(const std::string& name)
{
    std::size_t end = name.size();
    while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9')
        --end;
    return name.substr(0, end);
}

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::vector<std::vector<std::size_t>> AssignWorkers(const std::vector<std::string>& names,
                                                    const std::set<std::string>& existing, unsigned workers)
{
    std::map<std::string, std::size_t> count;
    for (const std::string& name : names)
        ++count[FoldCase(name)];
    // Families that a free-name search reaches into.
    std::set<std::string> searched;
    for (const auto& [name, times] : count)
        if (times > 1 || existing.count(name))
            searched.insert(WithoutTrailingDigits(name));
    std::map<std::string, std::size_t> groupOf;
    std::vector<std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = FoldCase(names[i]);
        const std::string family = WithoutTrailingDigits(name);
        const std::string key = searched.count(family) ? "family:" + family : "name:" + name;
        const auto [it, added] = groupOf.emplace(key, groups.size());
        if (added)
            groups.emplace_back();
        groups[it->second].push_back(i);
    }
    std::vector<std::size_t> order(groups.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return groups[a].size() > groups[b].size(); });
    const std::size_t used = std::min<std::size_t>(std::max(workers, 1u), groups.size());
    std::vector<std::vector<std::size_t>> assigned(used);
    for (const std::size_t group : order) {
        const auto least = std::min_element(assigned.begin(), assigned.end(),
                                            [](const auto& a, const auto& b) { return a.size() < b.size(); });
        least->insert(least->end(), groups[group].begin(), groups[group].end());
    }
    for (auto& list : assigned)
        std::sort(list.begin(), list.end());
    return assigned;
}

namespace {

// MentionsName on text and name already in lower case.
bool MentionsFolded(const std::string& text, const std::string& name)
{
    if (name.empty())
        return false;
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        if ((at == 0 || !IsNameCharacter(text[at - 1])) &&
            (end == text.size() || (!IsNameCharacter(text[end]) && text[end] != '.')))
            return true;
    }
    return false;
}

// Which of a set of file names (in lower case) a text mentions, as MentionsFolded tells it, in one
// pass over the text: a name with an extension can only stand where its extension ends a word,
// so only those places are looked at. Names without an extension are looked for one by one.
class MentionIndex {
public:
    explicit MentionIndex(const std::vector<std::string>& names)
    {
        for (const std::string& name : names) {
            const std::size_t dot = name.rfind('.');
            if (dot == std::string::npos || dot == 0) {
                m_plain.push_back(name);
                continue;
            }
            Ending& ending = m_endings[name.substr(dot)];
            ending.names.insert(name);
            ending.lengths.insert(name.size());
        }
    }

    std::set<std::string> In(const std::string& text) const
    {
        std::set<std::string> found;
        for (const auto& [extension, ending] : m_endings)
            for (std::size_t at = text.find(extension); at != std::string::npos; at = text.find(extension, at + 1)) {
                const std::size_t end = at + extension.size();
                if (end < text.size() && (IsNameCharacter(text[end]) || text[end] == '.'))
                    continue;
                for (const std::size_t length : ending.lengths) {
                    if (length > end)
                        break;
                    const std::size_t start = end - length;
                    if (start > 0 && IsNameCharacter(text[start - 1]))
                        continue;
                    const std::string candidate = text.substr(start, length);
                    if (ending.names.count(candidate))
                        found.insert(candidate);
                }
            }
        for (const std::string& name : m_plain)
            if (MentionsFolded(text, name))
                found.insert(name);
        return found;
    }

private:
    struct Ending {
        std::set<std::string> names;
        std::set<std::size_t> lengths;
    };
    std::map<std::string, Ending> m_endings; // by extension, with its dot
    std::vector<std::string> m_plain;
};

} // namespace

bool MentionsName(const std::string& text, const std::string& name)
{
    const std::string folded = FoldCase(name);
    return MentionIndex({folded}).In(FoldCase(text)).count(folded) > 0;
}

void SettleClaims(std::vector<SourceRecord>& records, const std::vector<unsigned>& worker,
                  const std::function<std::string(const std::string&)>& contents)
{
    std::unordered_map<std::string, std::vector<std::size_t>> claims; // file -> the records listing it
    for (std::size_t i = 0; i < records.size(); ++i)
        for (const std::string& file : records[i].created)
            claims[file].push_back(i);
    std::unordered_map<std::string, std::size_t> sessionOwner;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!records[i].sessionFile.empty())
            sessionOwner[records[i].sessionFile] = i;

    std::unordered_map<std::string, unsigned> winner; // contested file -> the worker that keeps it
    // A record's settled files: those nobody else claims, and those already settled its way.
    auto settled = [&](std::size_t record) {
        std::vector<std::string> files;
        for (const std::string& file : records[record].created) {
            const auto& claimants = claims[file];
            const auto won = winner.find(file);
            const bool alone = std::all_of(claimants.begin(), claimants.end(),
                                           [&](std::size_t other) { return worker[other] == worker[record]; });
            if (alone || (won != winner.end() && won->second == worker[record]))
                files.push_back(file);
        }
        return files;
    };
    std::vector<std::string> contested;
    for (const auto& [file, claimants] : claims) {
        const bool oneWorker = std::all_of(claimants.begin(), claimants.end(),
                                           [&](std::size_t other) { return worker[other] == worker[claimants[0]]; });
        const auto owner = sessionOwner.find(file);
        if (owner != sessionOwner.end())
            winner[file] = worker[owner->second];
        else if (!oneWorker)
            contested.push_back(file);
    }
    std::sort(contested.begin(), contested.end()); // settled in the order of their paths, run after run
    // The contested names each file mentions, read once per file.
    std::vector<std::string> contestedNames;
    for (const std::string& file : contested)
        contestedNames.push_back(FoldCase(BaseName(file)));
    const MentionIndex index(contestedNames);
    std::unordered_map<std::string, std::set<std::string>> mentions;
    auto mentioned = [&](const std::string& file) -> const std::set<std::string>& {
        const auto found = mentions.find(file);
        return found != mentions.end() ? found->second : mentions.emplace(file, index.In(FoldCase(contents(file)))).first->second;
    };
    // Settled files may name contested ones (a key map names its macros): go on while that helps.
    for (bool progress = true; progress && !contested.empty();) {
        progress = false;
        std::vector<std::string> open;
        for (const std::string& file : contested) {
            const std::string name = FoldCase(BaseName(file));
            std::set<unsigned> naming;
            for (const std::size_t claimant : claims[file])
                for (const std::string& other : settled(claimant))
                    if (other != file && mentioned(other).count(name))
                        naming.insert(worker[claimant]);
            if (naming.size() == 1) {
                winner[file] = *naming.begin();
                progress = true;
            } else {
                open.push_back(file);
            }
        }
        contested = std::move(open);
    }
    for (const std::string& file : contested)
        winner[file] = worker[claims[file].front()]; // nobody names it: the first source's
    for (std::size_t i = 0; i < records.size(); ++i) {
        auto& created = records[i].created;
        created.erase(std::remove_if(created.begin(), created.end(),
                                     [&](const std::string& file) {
                                         const auto won = winner.find(file);
                                         return won != winner.end() && won->second != worker[i];
                                     }),
                      created.end());
    }
}
