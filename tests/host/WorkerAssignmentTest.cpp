// Sharing a run out among worker processes must give the names a run of one process gives, and the
// files the workers list must each end up with the source that made them.
#include "WorkerAssignment.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Lists = std::vector<std::vector<std::size_t>>;

// Which worker each source went to.
std::vector<std::size_t> WorkerOf(const Lists& lists, std::size_t count)
{
    std::vector<std::size_t> worker(count, 99);
    for (std::size_t w = 0; w < lists.size(); ++w)
        for (const std::size_t i : lists[w])
            worker[i] = w;
    return worker;
}

TEST(AssignWorkers, KeepsNamesThatMeetInTheFreeNameSearchTogether)
{
    const struct {
        const char* what;
        std::vector<std::string> names;
        std::set<std::string> existing;
        std::vector<std::pair<std::size_t, std::size_t>> together; // positions on one worker
    } cases[] = {
        {"the same name in another case", {"Demo", "Other", "DEMO", "Third"}, {}, {{0, 2}}},
        {"a name twice, and its numbered twin", {"Demo", "Demo1", "Demo", "X"}, {}, {{0, 1}, {0, 2}}},
        {"a name already taken, and its numbered twin", {"Run", "A", "run7", "B"}, {"run"}, {{0, 2}}},
        {"a counter that carries: Run9 searches into Run10", {"Run9", "Run9", "Run10", "Z"}, {}, {{0, 2}, {1, 2}}},
    };
    for (const auto& c : cases) {
        const Lists lists = AssignWorkers(c.names, c.existing, 2);
        const std::vector<std::size_t> worker = WorkerOf(lists, c.names.size());
        for (const auto& [a, b] : c.together)
            EXPECT_EQ(worker[a], worker[b]) << c.what;
        for (const auto& list : lists)
            EXPECT_TRUE(std::is_sorted(list.begin(), list.end())) << c.what << ": in the order of the files";
    }
}

TEST(AssignWorkers, SharesDistinctNamesEvenly)
{
    // Numbered names that no search reaches spread out: Session1..Session6 are six names.
    const std::vector<std::string> names = {"Session1", "Session2", "Session3", "Session4", "Session5", "Session6"};
    const Lists lists = AssignWorkers(names, {}, 2);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0].size(), 3u);
    EXPECT_EQ(lists[1].size(), 3u);
}

TEST(AssignWorkers, UsesNoMoreWorkersThanGroups)
{
    EXPECT_EQ(AssignWorkers({"A", "a", "A"}, {}, 4).size(), 1u);
    EXPECT_EQ(AssignWorkers({"A", "B"}, {}, 8).size(), 2u);
    EXPECT_TRUE(AssignWorkers({}, {}, 2).empty());
    // The largest group first, then the others fill the lighter worker.
    const Lists lists = AssignWorkers({"x", "Big", "big", "BIG", "y", "z"}, {}, 2);
    EXPECT_EQ(lists[0], (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_EQ(lists[1], (std::vector<std::size_t>{0, 4, 5}));
}

TEST(MentionsName, FindsAWholeFileNameOnly)
{
    const struct {
        std::string text;
        const char* name;
        bool found;
    } cases[] = {
        {"PrimaryKeyMap=Demo1.tkm\n", "Demo1.tkm", true},
        {"StartupScript=/out/Macros/LOGON1.TBM", "logon1.tbm", true},
        {"StartupScript=/out/Macros/LOGON11.TBM", "LOGON1.TBM", false},
        {"StartupScript=/out/Macros/XLOGON1.TBM", "LOGON1.TBM", false},
        {"QuickPadFile=Demo.tqp.bak", "Demo.tqp", false},
        {std::string("\x05\x00/m/Shift+F5 [474].tbm\x00", 24), "Shift+F5 [474].tbm", true},
        {"", "a.tbm", false},
        {"Menu=a.tbm.tbm", "A.TBM.TBM", true},
        {"Menu=a.tbm.tbm", "a.tbm", false},
        {"see Readme now", "README", true},
        {"see Readme2 now", "README", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MentionsName(c.text, c.name), c.found) << c.text << " / " << c.name;
}

SourceRecord Record(const std::string& session, std::vector<std::string> created)
{
    SourceRecord record;
    record.sessionFile = session;
    record.created = std::move(created);
    return record;
}

TEST(SettleClaims, GivesEachFileToTheSourceThatMadeIt)
{
    // Worker 0 translated A then C, worker 1 translated B at the same time: each listed the other's files.
    std::vector<SourceRecord> records = {
        Record("/s/A.TDP", {"/s/A.TDP", "/s/B.TDP", "/k/A.tkm", "/k/B.tkm", "/m/LOGON.TBM", "/m/LOGON1.TBM"}),
        Record("/s/B.TDP", {"/s/B.TDP", "/s/A.TDP", "/k/B.tkm", "/m/LOGON1.TBM", "/m/Orphan.tbm", "/k/Shared.cmu"}),
        Record("/s/C.TDP", {"/s/C.TDP", "/m/Orphan.tbm", "/k/Shared.cmu"}),
    };
    const std::map<std::string, std::string> files = {
        {"/s/A.TDP", "KeyMap=A.tkm\nStartupScript=/m/LOGON.TBM\n"},
        {"/s/B.TDP", "KeyMap=B.tkm\n"},
        {"/k/B.tkm", std::string("\x10\x00/m/LOGON1.TBM", 16)},
        {"/s/C.TDP", "Menu=Shared.cmu\n"},
    };
    SettleClaims(records, {0, 1, 0}, [&](const std::string& path) {
        const auto found = files.find(path);
        return found == files.end() ? std::string() : found->second;
    });
    EXPECT_EQ(records[0].created, (std::vector<std::string>{"/s/A.TDP", "/k/A.tkm", "/m/LOGON.TBM"}));
    // LOGON1.TBM is named by B's key map, which B's session file names; nobody names Orphan.tbm, so
    // it goes to the first source that listed it; C's session file names Shared.cmu.
    EXPECT_EQ(records[1].created, (std::vector<std::string>{"/s/B.TDP", "/k/B.tkm", "/m/LOGON1.TBM", "/m/Orphan.tbm"}));
    EXPECT_EQ(records[2].created, (std::vector<std::string>{"/s/C.TDP", "/k/Shared.cmu"}));
}

TEST(SettleClaims, KeepsWhatSourcesOfOneWorkerBothWrote)
{
    std::vector<SourceRecord> records = {Record("/s/A.TDP", {"/s/A.TDP", "/k/MENU.cmu"}),
                                         Record("/s/B.TDP", {"/s/B.TDP", "/k/MENU.cmu"})};
    SettleClaims(records, {0, 0}, [](const std::string&) { return std::string(); });
    EXPECT_EQ(records[0].created.size(), 2u);
    EXPECT_EQ(records[1].created.size(), 2u);
}

} // namespace
