// What a translation created is what is new or changed in the target folders: by listing them, or
// by looking again at the names the system says were written.
#include "Translation.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;
using testing_support::WriteFile;

std::string In(const std::string& folder, const std::string& name) { return folder + testing_support::kSep + name; }

TEST(FolderSnapshot, TellsNewAndChangedFilesFolderByFolder)
{
    TempDir dir;
    const std::string sessions = dir / "Sessions", schemes = dir / "Schemes";
    fs::create_directories(sessions);
    fs::create_directories(schemes);
    WriteFile(In(schemes, "Old.tkm"), "old");
    WriteFile(In(schemes, "Same.tkm"), "same");
    FolderSnapshot before;
    before.Take({sessions, schemes});

    WriteFile(In(sessions, "Demo.TDP"), "new");
    WriteFile(In(schemes, "Old.tkm"), "replaced, longer");
    fs::create_directory(In(schemes, "Folder.tkm")); // not a file
    FolderSnapshot after;
    after.Take({sessions, schemes});
    EXPECT_EQ(after.ChangedSince(before),
              (std::vector<std::string>{In(sessions, "Demo.TDP"), In(schemes, "Old.tkm")}));
    EXPECT_EQ(after.Find(sessions, "demo.tdp"), "Demo.TDP");
    EXPECT_EQ(after.Find(sessions, "Other.TDP"), "");

    // Looking again at single names: new, changed, unchanged, gone.
    std::string path;
    WriteFile(In(schemes, "Fresh.ttb"), "x");
    EXPECT_TRUE(after.Refresh(1, "Fresh.ttb", path));
    EXPECT_EQ(path, In(schemes, "Fresh.ttb"));
    EXPECT_FALSE(after.Refresh(1, "Same.tkm", path));
    WriteFile(In(schemes, "Same.tkm"), "same but longer");
    EXPECT_TRUE(after.Refresh(1, "Same.tkm", path));
    fs::remove(In(schemes, "Fresh.ttb"));
    EXPECT_FALSE(after.Refresh(1, "Fresh.ttb", path));
    EXPECT_EQ(after.Find(schemes, "Fresh.ttb"), "") << "a file that is gone is forgotten";
}

} // namespace
