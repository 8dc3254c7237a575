#include "FileReaders.h"

#include "devices/KeyMapFormat.h"
#include "menus/MenuDocumentDump.h"
#include "bars/QuickPadFile.h"
#include "bars/ToolbarFile.h"
#include "platform/AsciiCase.h"
#include "discovery/CQIUtility.h"
#include "platform/Files.h"
#include "SessionView.h"
#include "Sources.h"

#include <cstdio>

namespace {

// One row per binary or document format the migration writes.
const Inspector kInspectors[] = {
    {".tkm", "key map", DumpKeyMap},
    {".cmu", "custom menu document", &DumpMenuDocument},
    {".tqp", "QuickPad", &bars::DumpQuickPad},
    {".ttb", "toolbar", &bars::DumpToolbar},
    {".tdp", "session file", &DumpSessionFile},
    {nullptr, nullptr, nullptr}, // end of the table
};

const Inspector* InspectorFor(const std::string& path)
{
    const std::string extension = CQIUtility::SplitPath(path).extension;
    for (const Inspector* row = kInspectors; row->extension; ++row)
        if (EqualsNoCase(extension, row->extension))
            return row;
    return nullptr;
}

} // namespace

int InspectFile(const std::string& path)
{
    if (const std::string why = UnreadableReason(path); !why.empty()) {
        std::fprintf(stderr, "qtcm: %s: %s\n", path.c_str(), why.c_str());
        return 2;
    }
    const Inspector* inspector = InspectorFor(path);
    if (!inspector) {
        std::string known;
        for (const Inspector* row = kInspectors; row->extension; ++row)
            known += std::string(known.empty() ? "" : ", ") + row->extension;
        std::fprintf(stderr, "qtcm: %s: no reader for this kind of file (known: %s)\n", path.c_str(),
                     known.empty() ? "none yet" : known.c_str());
        return 2;
    }
    std::string bytes;
    if (!platform::ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "qtcm: %s: cannot read the file\n", path.c_str());
        return 2;
    }
    std::string text, error;
    if (!inspector->dump(bytes, text, error)) {
        std::fprintf(stderr, "qtcm: %s: not a %s: %s\n", path.c_str(), inspector->what, error.c_str());
        return 1;
    }
    std::fputs(text.c_str(), stdout);
    return 0;
}
