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

void ShowWarning(const std::string& message)
{
    if (g_handler)
        g_handler(message.c_str(), g_context);
    else
        ShowDefaultWarning(message);
}

void ShowFileError(const FileError& error) { ShowNotice(error.Describe()); }

} // namespace platform
