#pragma once
// What the TORQA! installation tells about itself: where it is, which language folder the user's
// TORQA! uses, and the directory it keeps for each kind of file (by type tag: "TDP", "TBM", "TKM",
// "TTB", "TQP", "TDC"). Every answer is false when the services are not there.
#include <string>

namespace platform {

bool TorqaInstallPath(std::string& out); // ends in a path separator
bool TorqaUserLanguage(std::string& out);
bool TorqaDirectory(const std::string& typeTag, std::string& out);

} // namespace platform
