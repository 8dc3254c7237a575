#include "support/hives/HiveWriter.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <hivex.h>

namespace testing_support {

namespace {

void Put16(std::string& bytes, std::size_t at, unsigned value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t Get32(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Positions in the file; cell offsets in the format count from the first bin (file byte 4096).
constexpr std::size_t kHeaderSize = 0x1000;
constexpr std::size_t kBinSize = 0x1000;
constexpr std::size_t kRootCell = 0x20; // the first cell of the first bin, after the bin's header
constexpr std::size_t kRootCellSize = 0x58; // size field, 0x4C bytes of key record, the name "ROOT", padding
constexpr std::size_t kSecurityCell = kRootCell + kRootCellSize;
constexpr std::size_t kSecurityCellSize = 0x30; // size field, 0x14 bytes of record, a 20-byte descriptor

std::string Utf16(const std::string& text)
{
    std::string out;
    for (char c : text) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

// hivex takes names as UTF-8; the tests write ANSI text of the Latin-1 range.
std::string Utf8(const std::string& text)
{
    std::string out;
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return out;
}

} // namespace

HiveValue HiveValue::Dword(const std::string& name, unsigned value)
{
    HiveValue v{name, kRegDword, std::string(4, '\0')};
    Put32(v.data, 0, value);
    return v;
}

std::string EmptyHiveBytes()
{
    std::string hive(kHeaderSize + kBinSize, '\0');

    // The base block: signature, two equal sequence numbers (written out cleanly), format 1.3 of a
    // primary file loaded directly, the root cell, the size of the bins, and the checksum.
    hive.replace(0, 4, "regf");
    Put32(hive, 0x04, 1);
    Put32(hive, 0x08, 1);
    Put32(hive, 0x14, 1);
    Put32(hive, 0x18, 3);
    Put32(hive, 0x1C, 0);
    Put32(hive, 0x20, 1);
    Put32(hive, 0x24, kRootCell);
    Put32(hive, 0x28, kBinSize);
    Put32(hive, 0x2C, 1);
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < 0x1FC; at += 4)
        sum ^= Get32(hive, at);
    Put32(hive, 0x1FC, sum);

    // The bin: signature, its offset from the first bin, its size.
    const std::size_t bin = kHeaderSize;
    hive.replace(bin, 4, "hbin");
    Put32(hive, bin + 0x04, 0);
    Put32(hive, bin + 0x08, kBinSize);

    // The root key: a used cell (negative size) holding a key record named in 8-bit characters.
    const std::size_t root = bin + kRootCell;
    Put32(hive, root, static_cast<std::uint32_t>(-static_cast<std::int32_t>(kRootCellSize)));
    const std::size_t nk = root + 4;
    hive.replace(nk, 2, "nk");
    Put16(hive, nk + 0x02, 0x0004 | 0x0008 | 0x0020); // the hive's entry, not to be deleted, 8-bit name
    Put32(hive, nk + 0x1C, 0xFFFFFFFF); // no subkey list
    Put32(hive, nk + 0x20, 0xFFFFFFFF); // no volatile subkey list
    Put32(hive, nk + 0x28, 0xFFFFFFFF); // no value list
    Put32(hive, nk + 0x2C, kSecurityCell);
    Put32(hive, nk + 0x30, 0xFFFFFFFF); // no class name
    Put16(hive, nk + 0x48, 4);
    hive.replace(nk + 0x4C, 4, "ROOT");

    // The root's security record: alone in its list (it links to itself), used once, holding a
    // self-relative descriptor with no owner, group or access lists.
    const std::size_t security = bin + kSecurityCell;
    Put32(hive, security, static_cast<std::uint32_t>(-static_cast<std::int32_t>(kSecurityCellSize)));
    const std::size_t sk = security + 4;
    hive.replace(sk, 2, "sk");
    Put32(hive, sk + 0x04, kSecurityCell);
    Put32(hive, sk + 0x08, kSecurityCell);
    Put32(hive, sk + 0x0C, 1);
    Put32(hive, sk + 0x10, 20);
    hive[sk + 0x14] = 1;                    // revision
    Put16(hive, sk + 0x16, 0x8000);         // self-relative

    // The rest of the bin is one free cell (positive size).
    const std::size_t free = kSecurityCell + kSecurityCellSize;
    Put32(hive, bin + free, static_cast<std::uint32_t>(kBinSize - free));
    return hive;
}

bool WriteHive(const std::string& path, const std::vector<HiveKey>& keys, std::string& error)
{
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << EmptyHiveBytes();
        if (!out) {
            error = path + ": cannot be written";
            return false;
        }
    }
    hive_h* hive = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (!hive) {
        error = path + ": hivex cannot open the empty hive: " + std::strerror(errno);
        return false;
    }
    auto fail = [&](const std::string& what) {
        error = path + ": " + what + ": " + std::strerror(errno);
        hivex_close(hive);
        return false;
    };
    for (const HiveKey& key : keys) {
        hive_node_h node = hivex_root(hive);
        std::size_t start = 0;
        while (start <= key.path.size()) {
            std::size_t end = key.path.find('\\', start);
            if (end == std::string::npos)
                end = key.path.size();
            const std::string part = Utf8(key.path.substr(start, end - start));
            if (!part.empty()) {
                hive_node_h child = hivex_node_get_child(hive, node, part.c_str());
                if (!child)
                    child = hivex_node_add_child(hive, node, part.c_str());
                if (!child)
                    return fail("cannot add the key " + key.path);
                node = child;
            }
            start = end + 1;
        }
        if (key.values.empty())
            continue;
        std::vector<std::string> data, names;
        std::vector<hive_set_value> values;
        for (const HiveValue& value : key.values) {
            names.push_back(Utf8(value.name));
            const bool text = value.type == kRegSz || value.type == kRegExpandSz;
            data.push_back(text ? Utf16(value.data) + std::string(2, '\0') : value.data);
        }
        for (std::size_t i = 0; i < key.values.size(); ++i)
            values.push_back({names[i].data(), static_cast<hive_type>(key.values[i].type),
                              data[i].size(), data[i].data()});
        if (hivex_node_set_values(hive, node, values.size(), values.data(), 0) != 0)
            return fail("cannot set the values of " + key.path);
    }
    if (hivex_commit(hive, nullptr, 0) != 0)
        return fail("cannot be written");
    hivex_close(hive);
    return true;
}

} // namespace testing_support
