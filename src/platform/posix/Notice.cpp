#include "platform/Notice.h"

#include <cstdio>

namespace platform {

void ShowDefaultNotice(const std::string& message) { std::fprintf(stderr, "QTCm: %s\n", message.c_str()); }
void ShowDefaultWarning(const std::string& message) { ShowDefaultNotice(message); }

} // namespace platform
