#pragma once
// The one thing the library shows the user by itself: a notice about a file it could not use.
// The default shows it the platform's way (a message box on Windows, a line on stderr elsewhere);
// a host or a test may take the notices over.
#include <string>

namespace platform {

struct FileError;

using NoticeHandler = void (*)(const char* message, void* context);

// nullptr restores the platform's own way.
void SetNoticeHandler(NoticeHandler handler, void* context);
void ShowNotice(const std::string& message);
void ShowFileError(const FileError& error);

} // namespace platform
