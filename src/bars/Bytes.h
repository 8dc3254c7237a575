#pragma once
// The binary files of the bars are built field by field, big-endian, and read back the same way
// by their dumpers. The writer appends to a byte string (a file is written in one piece once it
// is complete); the reader checks every field against the end of the bytes and says where it stopped.
#include <cstddef>
#include <cstdint>
#include <string>

namespace bars {

class ByteWriter {
public:
    void U8(unsigned value) { m_bytes.push_back(static_cast<char>(value & 0xFF)); }
    void U16(unsigned value)
    {
        U8(value >> 8);
        U8(value);
    }
    void U32(std::uint32_t value)
    {
        U16(value >> 16);
        U16(value & 0xFFFF);
    }
    void Bytes(const std::string& bytes) { m_bytes += bytes; }
    // A 16-bit byte count, then the bytes (as many as the count's low 16 bits say).
    void Counted(const std::string& text)
    {
        U16(static_cast<unsigned>(text.size()));
        m_bytes.append(text, 0, text.size() % 65536);
    }
    // The same, with a terminating zero byte counted and written too.
    void CountedWithZero(const std::string& text) { Counted(text + '\0'); }
    const std::string& Result() const { return m_bytes; }

private:
    std::string m_bytes;
};

class ByteReader {
public:
    explicit ByteReader(const std::string& bytes) : m_bytes(bytes) {}

    bool U8(unsigned& value)
    {
        if (!Need(1))
            return false;
        value = static_cast<unsigned char>(m_bytes[m_at++]);
        return true;
    }
    bool U16(unsigned& value)
    {
        unsigned high = 0, low = 0;
        if (!Need(2) || !U8(high) || !U8(low))
            return false;
        value = high << 8 | low;
        return true;
    }
    bool S16(int& value)
    {
        unsigned raw = 0;
        if (!U16(raw))
            return false;
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(raw));
        return true;
    }
    bool U32(std::uint32_t& value)
    {
        unsigned high = 0, low = 0;
        if (!Need(4) || !U16(high) || !U16(low))
            return false;
        value = static_cast<std::uint32_t>(high) << 16 | low;
        return true;
    }
    bool Bytes(std::size_t n, std::string& out)
    {
        if (!Need(n))
            return false;
        out = m_bytes.substr(m_at, n);
        m_at += n;
        return true;
    }
    bool Counted(std::string& text)
    {
        unsigned n = 0;
        return U16(n) && Bytes(n, text);
    }
    // A counted string whose last counted byte must be its terminating zero (dropped from text).
    bool CountedWithZero(std::string& text)
    {
        const std::size_t start = m_at;
        if (!Counted(text))
            return false;
        if (text.empty() || text.back() != '\0') {
            m_at = start;
            return Fail("a counted string without its terminating zero");
        }
        text.pop_back();
        return true;
    }
    // A fixed byte of the layout.
    bool Expect8(unsigned expected, const char* what) { return ExpectValue(1, expected, what); }
    bool Expect16(unsigned expected, const char* what) { return ExpectValue(2, expected, what); }

    bool AtEnd() const { return m_at >= m_bytes.size(); }
    std::size_t Offset() const { return m_at; }
    // What went wrong and at which byte.
    const std::string& Error() const { return m_error; }
    bool Fail(const std::string& what)
    {
        if (m_error.empty())
            m_error = "at byte " + std::to_string(m_at) + ": " + what;
        return false;
    }

private:
    bool Need(std::size_t n)
    {
        if (m_bytes.size() - m_at >= n)
            return true;
        return Fail("the file ends " + std::to_string(n - (m_bytes.size() - m_at)) + " byte(s) short of the next field");
    }
    bool ExpectValue(int size, unsigned expected, const char* what)
    {
        const std::size_t start = m_at;
        unsigned value = 0;
        if (!(size == 1 ? U8(value) : U16(value)))
            return false;
        if (value == expected)
            return true;
        m_at = start;
        return Fail(std::string(what) + " should be " + std::to_string(expected) + ", not " + std::to_string(value));
    }

    const std::string& m_bytes;
    std::size_t m_at = 0;
    std::string m_error;
};

// Text as a dump shows it: in double quotes, with control bytes, quotes and backslashes escaped.
std::string Quoted(const std::string& text);

} // namespace bars
