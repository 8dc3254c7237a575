// Every file a converter writes beside the session goes through one rule: a write that fails
// leaves no part of the file behind, shows the file error, and the session file gets no keys that
// point at the file. The disk fills up while the file is written: its name is a link to /dev/full,
// which takes the open and refuses every write. A file that cannot be created at all (its name is
// a folder) is shown too, and the folder is left alone.
#include "bars/CQIQuickPadConverter.h"
#include "bars/CQIToolbarConverter.h"
#include "devices/CQIKeyboardConverter.h"
#include "menus/CQIMenuConverter.h"

#include "support/ConverterDesk.h"

#include <filesystem>
#include <functional>
#include <memory>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

using namespace testing_support;

struct Writer {
    const char* what;
    std::function<std::unique_ptr<CQIConverter>()> make;
    PropertyList statement;
    const char* extension;
    const char* section; // a key that points at the file
    const char* key;
};

const Writer kWriters[] = {
    {"key map", [] { return std::make_unique<CQIKeyboardConverter>(""); },
     {"Keyboard.Mapping", "PCKey", "\"F1\"", "MapTo", "\"String\"", "Value", "\"a\""}, ".tkm", "Session", "KeyMap"},
    {"QuickPad", [] { return std::make_unique<CQIQuickPadConverter>(); },
     {"ButtonPad", "Columns", "\"1\"", "Caption", "\"A\"", "MapTo", "\"String\"", "Value", "\"a\""}, ".tqp",
     "QuickPad", "CPType"},
    {"toolbar", [] { return std::make_unique<CQIToolbarConverter>(); },
     {"ToolbarMapping", "Mapto", "\"String\"", "Bitmap", "\"1\"", "Value", "\"a\""}, ".ttb", "QuickBar", "CPType"},
    {"menu document", [] { return std::make_unique<CQIMenuConverter>(); }, {"Menus"}, ".cmu", "Session", "Menu"},
};

class OutputFile : public ConverterDesk {
protected:
    // Converts the writer's statement; the notice it showed (or a note that there was none).
    std::string FailedConversion(const Writer& writer)
    {
        m_notices.clear();
        const std::unique_ptr<CQIConverter> converter = writer.make();
        EXPECT_FALSE(Convert(*converter, writer.statement)) << writer.what;
        EXPECT_EQ(Value(writer.section, writer.key), kAbsent) << writer.what;
        EXPECT_EQ(m_notices.size(), 1u) << writer.what;
        return m_notices.empty() ? "(no notice)" : m_notices.front();
    }
};

TEST_F(OutputFile, AFullDiskLeavesNoPartOfTheFile)
{
#ifdef _WIN32
    GTEST_SKIP() << "no /dev/full";
#else
    for (const Writer& writer : kWriters) {
        const std::string path = Written(writer.extension);
        ASSERT_EQ(symlink("/dev/full", path.c_str()), 0) << path;
        const std::string notice = FailedConversion(writer);
        EXPECT_FALSE(std::filesystem::is_symlink(path)) << writer.what << ": the file was left behind";
        EXPECT_NE(notice.find("Could not write \"" + path + "\""), std::string::npos) << writer.what << ": " << notice;
    }
#endif
}

TEST_F(OutputFile, AFileThatCannotBeCreatedIsShown)
{
    for (const Writer& writer : kWriters) {
        const std::string path = Written(writer.extension);
        MakeDir(path);
        const std::string notice = FailedConversion(writer);
        EXPECT_TRUE(std::filesystem::is_directory(path)) << writer.what;
        EXPECT_NE(notice.find("Could not open \"" + path + "\""), std::string::npos) << writer.what << ": " << notice;
    }
}

} // namespace
