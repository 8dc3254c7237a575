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

// Each report line as it is written, with its statement's group, to a host that asked for them.
using ReportLineHandler = void (*)(const char* group, const char* line, void* context);
void SetReportLineHandler(ReportLineHandler handler, void* context);
void TellReportLine(const std::string& group, const std::string& line);
void ShowNotice(const std::string& message);
void ShowFileError(const FileError& error);
// Something the files and the report do not show (a macro file that could not be read): to the
// host's handler when it has one; else a line on stderr where that is the platform's way, and the
// debugger's output on Windows, where the library shows no box but for file errors.
void ShowWarning(const std::string& message);

} // namespace platform
