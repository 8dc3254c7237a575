#include "Library.h"

#include "platform/DynamicLibrary.h"

namespace {

std::string FolderOf(const std::string& path)
{
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

template <typename F>
bool Bind(void* library, const char* name, F& function, std::string& message)
{
    function = reinterpret_cast<F>(platform::FindSymbol(library, name));
    if (!function)
        message = std::string("the library has no export ") + name;
    return function != nullptr;
}

} // namespace

bool QtcmLibrary::Load(const std::string& hostPath, std::string& message)
{
    const std::string name = QTCM_LIBRARY_NAME;
    void* library = platform::LoadLibraryFile(FolderOf(hostPath) + name);
    if (!library)
        library = platform::LoadLibraryFile(name);
    if (!library) {
        message = "cannot load " + name;
        return false;
    }
    return Bind(library, "KorvanestaTranslatorInitialize", initialize, message) &&
           Bind(library, "KorvanestaTranslatorDirectories", directories, message) &&
           Bind(library, "KorvanestaTranslatorSetDirPath", setDirPath, message) &&
           Bind(library, "KorvanestaTranslatorIsValidFile", isValidFile, message) &&
           Bind(library, "KorvanestaTranslatorDoTranslate", doTranslate, message) &&
           Bind(library, "QTCmSetNoticeHandler", setNoticeHandler, message) &&
           Bind(library, "QTCmSetReportLineHandler", setReportLineHandler, message);
}
