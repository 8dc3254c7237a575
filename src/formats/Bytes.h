#pragma once
// The one byte writer and the one byte reader of every file layout we write or read. Our own
// files are big-endian; the platform's images and libraries (bitmaps, PE files) little-endian.
// The writer appends to a string (a file is written in one piece once it is complete); the reader
// checks every field against the end of the bytes and keeps the first failure with its offset.
#include "formats/ReadResult.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace formats {

enum class ByteOrder { Big, Little };

class ByteWriter {
public:
    explicit ByteWriter(ByteOrder order = ByteOrder::Big) : m_order(order) {}

    void U8(unsigned value) { m_bytes.push_back(static_cast<char>(value & 0xFF)); }
    void U16(unsigned value);
    void U32(std::uint32_t value);
    void Bytes(std::string_view bytes) { m_bytes.append(bytes); }
    // A 16-bit byte count, then the bytes (as many as the count's low 16 bits say).
    void Counted(std::string_view text);
    // The same, with a terminating zero byte counted and written too.
    void CountedWithZero(std::string_view text);

    const std::string& Result() const { return m_bytes; }
    std::string Take() { return std::move(m_bytes); }

private:
    ByteOrder m_order;
    std::string m_bytes;
};

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, ByteOrder order = ByteOrder::Big) : m_bytes(bytes), m_order(order) {}

    // Each answers false, and reads nothing, when the field does not fit what is left.
    bool U8(unsigned& value);
    bool U16(unsigned& value);
    bool S16(int& value);
    bool U32(std::uint32_t& value);
    bool Bytes(std::size_t n, std::string& out);
    bool Skip(std::size_t n);
    bool Counted(std::string& text);
    // A counted string whose last counted byte must be its terminating zero (dropped from text).
    bool CountedWithZero(std::string& text);
    // A field that the layout fixes; what names it in the failure.
    bool Expect8(unsigned expected, const char* what) { return ExpectValue(1, expected, what); }
    bool Expect16(unsigned expected, const char* what) { return ExpectValue(2, expected, what); }
    bool Expect32(std::uint32_t expected, const char* what) { return ExpectValue(4, expected, what); }
    // A counted string that the layout fixes (withZero: counted with its terminating zero).
    bool ExpectCounted(std::string_view expected, bool withZero, const char* what);
    // The fixed bytes a file starts with; another start is another kind of file.
    bool ExpectMagic(std::string_view magic);
    // The version byte; another version is a file this reader does not know.
    bool ExpectVersion(unsigned version);

    // Reading from another place: the offsets of a directory (PE files) point anywhere.
    bool Seek(std::uint64_t offset);
    bool U16At(std::uint64_t offset, unsigned& value) { return Seek(offset) && U16(value); }
    bool U32At(std::uint64_t offset, std::uint32_t& value) { return Seek(offset) && U32(value); }
    bool Has(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }

    bool AtEnd() const { return m_at >= m_bytes.size(); }
    std::size_t Offset() const { return m_at; }
    std::size_t Size() const { return m_bytes.size(); }

    // Records the first failure, at the current offset; always false.
    bool Fail(ReadStatus status, const std::string& what);
    const ReadResult& Result() const { return m_result; }

private:
    bool Need(std::size_t n);
    bool ExpectValue(int size, std::uint32_t expected, const char* what);

    std::string_view m_bytes;
    ByteOrder m_order;
    std::size_t m_at = 0;
    ReadResult m_result;
};

// Text as a dump shows it: in double quotes; a quote and a backslash behind a backslash; tab,
// carriage return and line feed as \t, \r and \n; every other byte outside printable ASCII as \xNN.
std::string Quoted(std::string_view text);

// A value as a signed 16-bit field holds it: positions and sizes wrap there.
inline int Wrap16(long long value) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF)); }

} // namespace formats
