#pragma once
// Files as the translator opens them: text files read and written with the line-end rules of a
// Windows C run-time, and binary files written field by field. A failed open answers a FileError
// that the caller turns into a notice; a failed read or write throws FileException, which the
// translation run catches around its statement loop.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>

namespace platform {

struct FileError {
    enum class Cause { None, NotFound, AccessDenied, SharingViolation, BadPath, DiskFull, AlreadyExists, Generic };
    Cause cause = Cause::None;
    std::string path;
    std::string operation; // "open", "read", "write"
    int osCode = 0;
    // One line for the user, naming what failed and on which file.
    std::string Describe() const;
};

class FileException : public std::runtime_error {
public:
    explicit FileException(FileError error);
    const FileError& Error() const { return m_error; }

private:
    FileError m_error;
};

enum class OpenMode {
    ReadDenyWrite,   // read; others may read but not write
    WriteExclusive,  // write an existing file, nobody else may open it; never creates or truncates
    CreateDenyRead,  // create or truncate for writing; others may not read meanwhile
    CreateNew,       // create a file that does not exist yet, for writing; an existing one is never touched
    BinaryCreate,    // create or truncate for writing, binary
};

// The operating system's handle, one per backend.
class RawFile {
public:
    virtual ~RawFile() = default;
    virtual long long Read(void* buffer, std::size_t size) = 0; // bytes read, -1 on error
    virtual bool Write(const void* data, std::size_t size) = 0;
    virtual bool SeekToEnd() = 0;
    virtual int LastError() const = 0;
};
std::unique_ptr<RawFile> OpenRawFile(const std::string& path, OpenMode mode, FileError& error);

// A file object that can be opened and closed again and again, like the three files of a run.
class File {
public:
    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool Open(const std::string& path, OpenMode mode, bool text, FileError& error);
    bool IsOpen() const { return m_raw != nullptr; }
    // Flushes and closes. A failed flush throws FileException, with the file closed already; only
    // the destructor drops such a failure.
    void Close();
    const std::string& Path() const { return m_path; }

    // Up to size bytes; fewer only at the end of the file. Text mode drops a carriage return
    // directly before a line feed and ends the file at a Ctrl-Z byte.
    std::size_t Read(void* buffer, std::size_t size);
    // One line without its line feed; false at the end of the file when nothing was read.
    bool ReadString(std::string& line);
    void Write(const void* data, std::size_t size); // text mode writes the platform's line end
    void WriteString(const std::string& text) { Write(text.data(), text.size()); }
    void SeekToEnd();

private:
    int NextByte(); // -1 at the end
    void Fill();
    void Flush();
    [[noreturn]] void Fail(const char* operation);

    std::unique_ptr<RawFile> m_raw;
    std::string m_path;
    bool m_text = false;
    bool m_atEnd = false;
    std::string m_in;
    std::size_t m_inPos = 0;
    std::string m_out;
};

// Reads a whole file in binary; false when it cannot be opened or read (error, when given, says why).
bool ReadWholeFile(const std::string& path, std::string& content, FileError* error = nullptr);

// Writes an output file of the migration in one piece: created or truncated, the bytes, closed.
// Every output file goes through here, so a failed write is handled one way: whatever part of the
// file was written is removed (a file cut short would mislead the program that reads it), the
// failure is shown as a notice, and the answer is false.
bool SaveOutputFile(const std::string& path, const std::string& bytes);

// Replaces a file's content as one step: the bytes go to a new file in the same folder, which then
// takes the old one's place. On failure the old file stays as it was and error says what failed.
bool ReplaceFileContent(const std::string& path, const std::string& content, FileError& error);

} // namespace platform
