#include "platform/Notice.h"

#include "platform/Files.h"

namespace platform {

void ShowDefaultNotice(const std::string& message);  // the backend's own way
void ShowDefaultWarning(const std::string& message); // the backend's own way

namespace {
NoticeHandler g_handler = nullptr;
void* g_context = nullptr;
} // namespace

void SetNoticeHandler(NoticeHandler handler, void* context)
{
    g_handler = handler;
    g_context = context;
}

void ShowNotice(const std::string& message)
{
    if (g_handler)
        g_handler(message.c_str(), g_context);
    else
        ShowDefaultNotice(message);
}

namespace {
ReportLineHandler g_lineHandler = nullptr;
void* g_lineContext = nullptr;
} // namespace

void SetReportLineHandler(ReportLineHandler handler, void* context)
{
    g_lineHandler = handler;
    g_lineContext = context;
}

void TellReportLine(const std::string& group, const std::string& line)
{
    if (g_lineHandler)
        g_lineHandler(group.c_str(), line.c_str(), g_lineContext);
}

void ShowWarning(const std::string& message)
{
    if (g_handler)
        g_handler(message.c_str(), g_context);
    else
        ShowDefaultWarning(message);
}

void ShowFileError(const FileError& error) { ShowNotice(error.Describe()); }

} // namespace platform
