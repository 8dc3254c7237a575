// qtcm dirs and qtcm check.
#include "Commands.h"

#include "Desk.h"
#include "Sources.h"
#include "platform/FileSystem.h"

#include <cstdio>

namespace {

void PrintNotices()
{
    for (const std::string& notice : TakeNotices())
        std::fprintf(stderr, "qtcm: %s\n", notice.c_str());
}

} // namespace

int DirsCommand(const Options& options, const char* hostPath)
{
    QtcmLibrary library;
    if (const int status = OpenDesk(options, hostPath, library))
        return status;
    bool missing = false;
    for (unsigned index = 0; index < 4; ++index) {
        char typeName[260] = "", directory[260] = "", filter[260] = "";
        library.directories(index, typeName, directory, filter);
        // As this system names the folder: one kind of separator, the drive mapped.
        std::string whole = Directory(library, options, index);
        if (!whole.empty())
            whole = platform::LocalName(whole);
        std::printf("%u  %-22s %-26s %s\n", index, typeName, filter, whole.empty() ? "(not found)" : whole.c_str());
        missing = missing || whole.empty();
    }
    PrintNotices();
    for (unsigned index = 0; index < 4; ++index)
        if (Directory(library, options, index).empty())
            std::fprintf(stderr, "qtcm: %s\n", MissingDirectory(index).c_str());
    if (const std::string why = MissingInstallation(); !why.empty()) {
        std::fprintf(stderr, "qtcm: %s\n", why.c_str());
        missing = true;
    }
    return missing ? 1 : 0;
}

int CheckCommand(const Options& options, const char* hostPath)
{
    QtcmLibrary library;
    if (const int status = OpenDesk(options, hostPath, library))
        return status;
    // Folders are walked as migrate walks them: every entry is named with its verdict.
    const SourceList list = CollectSources(options.files, [&](const std::string& path) {
        const bool session = library.isValidFile(path.c_str());
        PrintNotices();
        return session;
    });
    for (const std::string& warning : list.warnings)
        std::fprintf(stderr, "qtcm: warning: %s\n", warning.c_str());
    std::size_t recognized = 0;
    for (const Source& source : list.sources) {
        recognized += source.refusal.empty() ? 1 : 0;
        std::printf("%s: %s\n", source.path.c_str(), source.refusal.empty() ? "QIM! session file" : source.refusal.c_str());
    }
    return recognized == list.sources.size() ? 0 : 1;
}
