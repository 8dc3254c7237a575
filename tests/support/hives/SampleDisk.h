#pragma once
// A copied Windows system drive of our own for the tests, the host's checks and the fuzzer's seeds:
// a 64-bit Windows with a 32-bit view, a profile for one user, the QIM! keys in the user's hive.
#include <string>

namespace testing_support {

// Writes root/Windows/System32/config/SOFTWARE and DEFAULT and root/Users/USER/NTUSER.DAT. The
// user's QIM! session folder is %QIMHOME%\Sessions, with QIMHOME=qimHome in the user's environment.
bool WriteSampleDisk(const std::string& root, const std::string& user, const std::string& qimHome, std::string& error);

} // namespace testing_support
