#include "FileReaders.h"

#include "formats/KeyMap.h"
#include "formats/MenuDocument.h"
#include "formats/QuickPad.h"
#include "formats/Toolbar.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Keyboard.h"
#include "SessionView.h"
#include "Sources.h"

#include <cstdio>
#include <string_view>

namespace {

formats::ReadResult DumpKeyMap(std::string_view bytes, std::string& text)
{
    return formats::DumpKeyMap(bytes, text, &platform::KeyNameForScanCode); // keys named as this system names them
}

// One row per binary or document format the migration writes.
const Inspector kInspectors[] = {
    {".tkm", "key map", &DumpKeyMap},
    {".cmu", "custom menu document", &formats::menu::DumpMenuDocument},
    {".tqp", "QuickPad", &formats::DumpQuickPad},
    {".ttb", "toolbar", &formats::DumpToolbar},
    {".tdp", "session file", &DumpSessionFile},
};

} // namespace

const Inspector* InspectorFor(const std::string& path)
{
    const std::string extension = platform::SplitPath(path).extension;
    for (const Inspector& row : kInspectors)
        if (EqualsNoCase(extension, row.extension))
            return &row;
    return nullptr;
}

int InspectFile(const std::string& path)
{
    if (const std::string why = UnreadableReason(path); !why.empty()) {
        std::fprintf(stderr, "qtcm: %s: %s\n", path.c_str(), why.c_str());
        return 2;
    }
    const Inspector* inspector = InspectorFor(path);
    if (!inspector) {
        std::string known;
        for (const Inspector& row : kInspectors)
            known += std::string(known.empty() ? "" : ", ") + row.extension;
        std::fprintf(stderr, "qtcm: %s: no reader for this kind of file (known: %s)\n", path.c_str(),
                     known.empty() ? "none yet" : known.c_str());
        return 2;
    }
    std::string bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "qtcm: %s: cannot read the file\n", path.c_str());
        return 2;
    }
    std::string text;
    if (const formats::ReadResult read = inspector->dump(bytes, text); !read) {
        std::fprintf(stderr, "qtcm: %s: not a %s: %s\n", path.c_str(), inspector->what, read.Describe().c_str());
        return 1;
    }
    std::fputs(text.c_str(), stdout);
    return 0;
}
