#include "platform/Files.h"

#include "platform/FileSystem.h"
#include "platform/Notice.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {
constexpr std::size_t kBlock = 4096;
constexpr int kCtrlZ = 0x1A;
} // namespace

std::string FileError::Describe() const
{
    std::string what;
    switch (cause) {
    case Cause::NotFound: what = "the file was not found"; break;
    case Cause::AccessDenied: what = "access was denied"; break;
    case Cause::SharingViolation: what = "the file is in use by another program"; break;
    case Cause::BadPath: what = "the path is not valid"; break;
    case Cause::DiskFull: what = "the disk is full"; break;
    case Cause::AlreadyExists: what = "a file of that name already exists"; break;
    default: what = "an unexpected error occurred (code " + std::to_string(osCode) + ")"; break;
    }
    const std::string name = path.empty() ? std::string("an unnamed file") : "\"" + path + "\"";
    return "Could not " + (operation.empty() ? std::string("open") : operation) + " " + name + ": " + what + ".";
}

FileException::FileException(FileError error) : std::runtime_error(error.Describe()), m_error(std::move(error)) {}

File::~File()
{
    try {
        Close();
    } catch (...) {
    }
}

bool File::Open(const std::string& path, OpenMode mode, bool text, FileError& error)
{
    try {
        Close();
    } catch (const FileException&) {
        // what an earlier use left unwritten is lost with it; this open starts afresh
    }
    error = FileError{};
    error.path = path;
    error.operation = "open";
    m_raw = OpenRawFile(path, mode, error);
    if (!m_raw)
        return false;
    m_path = path;
    m_text = text;
    m_atEnd = false;
    m_in.clear();
    m_inPos = 0;
    m_out.clear();
    return true;
}

void File::Close()
{
    if (!m_raw)
        return;
    try {
        Flush();
    } catch (...) {
        m_raw.reset();
        throw;
    }
    m_raw.reset();
}

void File::Fail(const char* operation)
{
    FileError error;
    error.cause = FileError::Cause::Generic;
    error.path = m_path;
    error.operation = operation;
    error.osCode = m_raw ? m_raw->LastError() : 0;
    throw FileException(error);
}

void File::Fill()
{
    m_in.resize(kBlock);
    const long long got = m_raw->Read(m_in.data(), kBlock);
    if (got < 0) {
        m_in.clear();
        m_inPos = 0;
        Fail("read");
    }
    m_in.resize(static_cast<std::size_t>(got));
    m_inPos = 0;
}

int File::NextByte()
{
    if (m_inPos >= m_in.size()) {
        if (m_atEnd)
            return -1;
        Fill();
        if (m_in.empty()) {
            m_atEnd = true;
            return -1;
        }
    }
    return static_cast<unsigned char>(m_in[m_inPos++]);
}

std::size_t File::Read(void* buffer, std::size_t size)
{
    if (!m_raw)
        Fail("read");
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t n = 0;
    while (n < size) {
        // A run of plain bytes is copied from the block at once: all of them in a binary read, up
        // to the next carriage return or Ctrl-Z in text.
        std::size_t run = std::min(size - n, m_in.size() - m_inPos);
        const char* from = m_in.data() + m_inPos;
        if (m_text && run > 0) {
            if (const void* cr = std::memchr(from, '\r', run))
                run = static_cast<std::size_t>(static_cast<const char*>(cr) - from);
            if (const void* end = std::memchr(from, kCtrlZ, run))
                run = static_cast<std::size_t>(static_cast<const char*>(end) - from);
        }
        if (run > 0) {
            std::memcpy(out + n, from, run);
            n += run;
            m_inPos += run;
            continue;
        }
        // The block is spent, or a byte text mode reads its own way comes next.
        int c = NextByte();
        if (c < 0)
            break;
        if (m_text) {
            if (c == kCtrlZ) {
                m_atEnd = true;
                m_in.clear();
                m_inPos = 0;
                break;
            }
            if (c == '\r') {
                const int next = NextByte();
                if (next == '\n')
                    c = '\n';
                else if (next >= 0)
                    --m_inPos; // the byte is still in the buffer: read it next time
            }
        }
        out[n++] = static_cast<unsigned char>(c);
    }
    return n;
}

bool File::ReadString(std::string& line)
{
    line.clear();
    char c = 0;
    bool any = false;
    while (Read(&c, 1) == 1) {
        any = true;
        if (c == '\n')
            return true;
        line.push_back(c);
    }
    return any;
}

void File::Write(const void* data, std::size_t size)
{
    if (!m_raw)
        Fail("write");
    const auto* bytes = static_cast<const char*>(data);
    if (!m_text || kLineEnd[1] == '\0') {
        m_out.append(bytes, size); // nothing to change on the way
    } else {
        // Runs up to each line feed go in whole; each line feed becomes the platform's line end.
        const char* const end = bytes + size;
        while (bytes < end) {
            const char* lf = static_cast<const char*>(std::memchr(bytes, '\n', static_cast<std::size_t>(end - bytes)));
            m_out.append(bytes, lf ? lf : end);
            if (!lf)
                break;
            m_out += kLineEnd;
            bytes = lf + 1;
        }
    }
    if (m_out.size() >= kBlock)
        Flush();
}

void File::Flush()
{
    if (m_out.empty() || !m_raw)
        return;
    std::string pending;
    pending.swap(m_out);
    if (!m_raw->Write(pending.data(), pending.size()))
        Fail("write");
}

void File::SeekToEnd()
{
    if (!m_raw)
        Fail("seek");
    Flush();
    if (!m_raw->SeekToEnd())
        Fail("seek");
}

bool ReadWholeFile(const std::string& path, std::string& content, FileError* error)
{
    File file;
    FileError opening;
    if (!file.Open(path, OpenMode::ReadDenyWrite, false, opening)) {
        if (error)
            *error = opening;
        return false;
    }
    content.clear();
    try {
        char block[kBlock];
        std::size_t got = 0;
        while ((got = file.Read(block, sizeof block)) > 0)
            content.append(block, got);
    } catch (const FileException& failure) {
        if (error)
            *error = failure.Error();
        return false;
    }
    return true;
}

bool SaveOutputFile(const std::string& path, const std::string& bytes)
{
    File file;
    FileError error;
    if (!file.Open(path, OpenMode::BinaryCreate, false, error)) {
        ShowFileError(error);
        return false;
    }
    try {
        file.Write(bytes.data(), bytes.size());
        file.Close();
        return true;
    } catch (const FileException& failure) {
        error = failure.Error();
    }
    try {
        file.Close(); // the handle goes before the file can
    } catch (const FileException&) {
    }
    RemoveFile(path);
    ShowFileError(error);
    return false;
}

} // namespace platform
