// qtcm dirs and qtcm check.
#include "Commands.h"

#include "Desk.h"
#include "Sources.h"

#include <cstdio>
#include <filesystem>

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
        const std::string whole = Directory(library, options, index);
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
    std::size_t recognized = 0;
    for (const std::string& file : options.files) {
        // The library is asked only about a file it can open, so that it has nothing to complain of.
        std::error_code code;
        std::string why = std::filesystem::is_directory(file, code)
                              ? "a folder, not a file (qtcm migrate FOLDER translates the QIM! session files in it)"
                              : UnreadableReason(file);
        if (why.empty() && !library.isValidFile(file.c_str())) {
            why = NotSessionReason(file);
            why = "not a QIM! session file" + (why.empty() ? std::string() : ": " + why);
        }
        PrintNotices();
        recognized += why.empty() ? 1 : 0;
        std::printf("%s: %s\n", file.c_str(), why.empty() ? "QIM! session file" : why.c_str());
    }
    return recognized == options.files.size() ? 0 : 1;
}
