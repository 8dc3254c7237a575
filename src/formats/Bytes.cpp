#include "formats/Bytes.h"

#include <cstdio>

namespace formats {

void ByteWriter::U16(unsigned value)
{
    const unsigned high = (value >> 8) & 0xFF, low = value & 0xFF;
    U8(m_order == ByteOrder::Big ? high : low);
    U8(m_order == ByteOrder::Big ? low : high);
}

void ByteWriter::U32(std::uint32_t value)
{
    const unsigned high = value >> 16, low = value & 0xFFFF;
    U16(m_order == ByteOrder::Big ? high : low);
    U16(m_order == ByteOrder::Big ? low : high);
}

void ByteWriter::Counted(std::string_view text)
{
    U16(static_cast<unsigned>(text.size()));
    m_bytes.append(text.substr(0, text.size() % 65536));
}

void ByteWriter::CountedWithZero(std::string_view text)
{
    std::string withZero(text);
    withZero.push_back('\0');
    Counted(withZero);
}

bool ByteReader::Fail(ReadStatus status, const std::string& what)
{
    if (m_result.status == ReadStatus::Ok)
        m_result = {status, m_at, what};
    return false;
}

bool ByteReader::Need(std::size_t n)
{
    if (m_bytes.size() - m_at >= n)
        return true;
    return Fail(ReadStatus::Truncated,
                "the bytes end " + std::to_string(n - (m_bytes.size() - m_at)) + " byte(s) short of the next field");
}

bool ByteReader::U8(unsigned& value)
{
    if (!Need(1))
        return false;
    value = static_cast<unsigned char>(m_bytes[m_at++]);
    return true;
}

bool ByteReader::U16(unsigned& value)
{
    if (!Need(2))
        return false;
    const unsigned first = static_cast<unsigned char>(m_bytes[m_at]);
    const unsigned second = static_cast<unsigned char>(m_bytes[m_at + 1]);
    m_at += 2;
    value = m_order == ByteOrder::Big ? first << 8 | second : second << 8 | first;
    return true;
}

bool ByteReader::S16(int& value)
{
    unsigned raw = 0;
    if (!U16(raw))
        return false;
    value = static_cast<std::int16_t>(static_cast<std::uint16_t>(raw));
    return true;
}

bool ByteReader::U32(std::uint32_t& value)
{
    unsigned first = 0, second = 0;
    if (!Need(4) || !U16(first) || !U16(second))
        return false;
    value = m_order == ByteOrder::Big ? static_cast<std::uint32_t>(first) << 16 | second
                                      : static_cast<std::uint32_t>(second) << 16 | first;
    return true;
}

bool ByteReader::Bytes(std::size_t n, std::string& out)
{
    if (!Need(n))
        return false;
    out.assign(m_bytes.substr(m_at, n));
    m_at += n;
    return true;
}

bool ByteReader::Skip(std::size_t n)
{
    if (!Need(n))
        return false;
    m_at += n;
    return true;
}

bool ByteReader::Counted(std::string& text)
{
    const std::size_t start = m_at;
    unsigned n = 0;
    if (!U16(n))
        return false;
    if (m_bytes.size() - m_at < n) {
        m_at = start; // the failure names the string, not its bytes
        return Fail(ReadStatus::Truncated, "a string of " + std::to_string(n) + " byte(s) runs past the end");
    }
    text.assign(m_bytes.substr(m_at, n));
    m_at += n;
    return true;
}

bool ByteReader::CountedWithZero(std::string& text)
{
    const std::size_t start = m_at;
    if (!Counted(text))
        return false;
    if (text.empty() || text.back() != '\0') {
        m_at = start;
        return Fail(ReadStatus::UnexpectedValue, "a counted string without its terminating zero");
    }
    text.pop_back();
    return true;
}

bool ByteReader::ExpectMagic(std::string_view magic)
{
    if (m_bytes.substr(m_at, magic.size()) == magic) {
        m_at += magic.size();
        return true;
    }
    return Fail(ReadStatus::NotThisFormat, "the file does not start with " + Quoted(magic));
}

bool ByteReader::ExpectCounted(std::string_view expected, bool withZero, const char* what)
{
    const std::size_t start = m_at;
    std::string text;
    if (!(withZero ? CountedWithZero(text) : Counted(text)))
        return false;
    if (text == expected)
        return true;
    m_at = start;
    return Fail(ReadStatus::UnexpectedValue, std::string(what) + " should be " + Quoted(expected));
}

bool ByteReader::ExpectVersion(unsigned version)
{
    const std::size_t start = m_at;
    unsigned value = 0;
    if (!U8(value))
        return false;
    if (value == version)
        return true;
    m_at = start;
    return Fail(ReadStatus::UnknownVersion,
                "version " + std::to_string(value) + ", only version " + std::to_string(version) + " is known");
}

bool ByteReader::Seek(std::uint64_t offset)
{
    if (offset > m_bytes.size())
        return Fail(ReadStatus::Truncated, "an offset past the end: " + std::to_string(offset));
    m_at = static_cast<std::size_t>(offset);
    return true;
}

bool ByteReader::ExpectValue(int size, std::uint32_t expected, const char* what)
{
    const std::size_t start = m_at;
    unsigned small = 0;
    std::uint32_t value = 0;
    if (size == 4 ? !U32(value) : !(size == 1 ? U8(small) : U16(small)))
        return false;
    if (size != 4)
        value = small;
    if (value == expected)
        return true;
    m_at = start;
    return Fail(ReadStatus::UnexpectedValue,
                std::string(what) + " should be " + std::to_string(expected) + ", not " + std::to_string(value));
}

std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default:
            if (byte < 0x20 || byte >= 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", byte);
                out += hex;
            } else {
                out.push_back(c);
            }
        }
    }
    return out + "\"";
}

} // namespace formats
