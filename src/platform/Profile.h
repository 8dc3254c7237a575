#pragma once
// INI files read and written key by key, with the rules of the Windows profile functions.
#include <cstddef>
#include <string>

namespace platform {

// The value of key in section, or defaultValue when there is none; at most bufferSize - 1 bytes.
std::string ReadProfileValue(const std::string& section, const std::string& key,
                             const std::string& defaultValue, const std::string& path,
                             std::size_t bufferSize = 260);
// Creates the file, the section or the key as needed; false when the file cannot be written.
bool WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path);

// One exported call's worth of profile work. Where the profile functions are our own, the files
// they touch are kept in memory while a batch lives, and each edited file is written once (whole,
// beside the old one and renamed over it) when the outermost batch ends; the bytes are those that
// one write per key would leave, and a failed write reaches the user as a notice. Where the
// platform has the real functions, they write at once and a batch does nothing.
class ProfileBatch {
public:
    ProfileBatch();
    ~ProfileBatch(); // never throws
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;
};

// Writes what a batch holds now, before something outside the library reads the files. A file that
// began in this batch (BeginNewProfile) stays held: no one else knows of it yet.
void FlushProfiles();

class File;
// Gives an INI file that the caller has just created (open, empty) its first content, and closes
// it. Where the profile functions are our own and a batch is under way, the batch takes the content
// over and the file gets its final bytes in one write when the batch ends; a write that fails then
// removes the file and reaches the user as a notice. Elsewhere the content is written now (a
// failure throws FileException, as File::Write does).
void BeginNewProfile(File& created, const std::string& content);

} // namespace platform
