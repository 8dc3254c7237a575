#include "platform/posix/RegistryHives.h"

#include "platform/Ansi.h"
#include "platform/AsciiCase.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <hivex.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::uint32_t Le32(const std::string& bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

unsigned Le16(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

std::string Hex(std::size_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[value % 16]);
        value /= 16;
    } while (value);
    return "0x" + out;
}

// The layout: a 4096-byte header, then bins of whole 4096-byte pages; cell offsets in records
// count from the first bin.
constexpr std::size_t kHeader = 0x1000;
constexpr std::size_t kPage = 0x1000;
constexpr std::size_t kBinHeader = 0x20;

// How many bytes a used cell's record needs from the cell's start (its size field included), by
// the record's signature; 0 for data cells, whose length is their own.
std::size_t RecordLength(const std::string& bytes, std::size_t cell, const char*& what)
{
    const char a = bytes[cell + 4], b = bytes[cell + 5];
    const std::size_t count = Le16(bytes, cell + 6);
    if (a == 'n' && b == 'k')
        return what = "key record", 4 + 0x4C;
    if (a == 'v' && b == 'k')
        return what = "value record", 4 + 0x14;
    if (a == 's' && b == 'k')
        return what = "security record", 4 + 0x14;
    if (a == 'l' && (b == 'f' || b == 'h'))
        return what = "subkey list", 8 + 8 * count;
    if ((a == 'l' || a == 'r') && b == 'i')
        return what = "subkey index", 8 + 4 * count;
    if (a == 'd' && b == 'b')
        return what = "big data record", 4 + 0x0C;
    return 0;
}

} // namespace

std::string HiveDamage(const std::string& bytes)
{
    const std::size_t size = bytes.size();
    if (size == 0)
        return "an empty file, not a registry hive";
    if (size < 4 || bytes.compare(0, 4, "regf") != 0)
        return "not a registry hive: it does not begin with \"regf\"";
    if (size < kHeader)
        return "cut short: " + std::to_string(size) + " bytes, less than the 4096-byte header of a hive";
    const std::uint32_t major = Le32(bytes, 0x14);
    if (major != 1)
        return "a hive of format version " + std::to_string(major) + "." + std::to_string(Le32(bytes, 0x18)) +
               ", which this reader does not know";
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < 0x1FC; at += 4)
        sum ^= Le32(bytes, at);
    if (sum != Le32(bytes, 0x1FC))
        return "a damaged hive: the checksum of its header does not match";
    const std::size_t binsSize = Le32(bytes, 0x28);
    if (binsSize == 0 || binsSize % kPage != 0)
        return "a damaged hive: its header gives " + std::to_string(binsSize) +
               " bytes of hive bins, not a whole number of 4096-byte pages";
    if (binsSize > size - kHeader)
        return "cut short: its header announces " + std::to_string(binsSize) + " bytes of hive bins, the file holds " +
               std::to_string(size - kHeader) + " after its header";
    const std::size_t end = kHeader + binsSize;
    const std::size_t root = kHeader + static_cast<std::size_t>(Le32(bytes, 0x24));
    bool rootSeen = false;

    // The bins follow each other up to the announced end, and the cells of each bin fill it.
    for (std::size_t bin = kHeader; bin < end;) {
        if (bytes.compare(bin, 4, "hbin") != 0)
            return "a damaged hive: no hive bin at byte " + Hex(bin);
        const std::size_t binSize = Le32(bytes, bin + 8);
        if (Le32(bytes, bin + 4) != bin - kHeader || binSize == 0 || binSize % kPage != 0 || binSize > end - bin)
            return "a damaged hive: the hive bin at byte " + Hex(bin) + " gives a wrong offset or size";
        const std::size_t binEnd = bin + binSize;
        for (std::size_t cell = bin + kBinHeader; cell < binEnd;) {
            const std::int32_t raw = static_cast<std::int32_t>(Le32(bytes, cell));
            const bool used = raw < 0;
            const std::size_t length = used ? 0 - static_cast<std::size_t>(static_cast<std::int64_t>(raw))
                                             : static_cast<std::size_t>(raw);
            if (length < 8 || length % 4 != 0)
                return "a damaged hive: the cell at byte " + Hex(cell) + " has an impossible size";
            if (length > binEnd - cell)
                return "a damaged hive: the cell at byte " + Hex(cell) + " runs past the end of its hive bin";
            if (used) {
                // A record may be longer than a cell that merely looks like one; what matters is that
                // reading it stays inside the file.
                const char* what = "";
                const std::size_t need = RecordLength(bytes, cell, what);
                if (need > end - cell)
                    return std::string("cut short: the ") + what + " at byte " + Hex(cell) +
                           " runs past the end of the file";
                if (bytes.compare(cell + 4, 2, "db") == 0) {
                    const std::size_t list = kHeader + static_cast<std::size_t>(Le32(bytes, cell + 8));
                    if (list < end && 4 + 4 * Le16(bytes, cell + 6) > end - list)
                        return "cut short: the block list of the big data record at byte " + Hex(cell) +
                               " runs past the end of the file";
                }
                if (cell == root)
                    rootSeen = bytes.compare(cell + 4, 2, "nk") == 0;
            }
            cell += length;
        }
        bin = binEnd;
    }
    if (!rootSeen)
        return "a damaged hive: its header names no key record as its root";
    return {};
}

namespace {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const FileIdentity& o) const
    {
        return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec;
    }
};

// "" when path is a regular file whose identity is now in identity, else what is wrong.
std::string Identify(const std::string& path, FileIdentity& identity)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? "no such file" : std::string("cannot be read: ") + std::strerror(errno);
    if (S_ISDIR(info.st_mode))
        return "a folder, not a hive file";
    if (!S_ISREG(info.st_mode))
        return "not a regular file";
    identity = {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    return {};
}

bool ReadAll(const std::string& path, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            const int code = errno;
            ::close(fd);
            errno = code;
            return got == 0;
        }
        bytes.append(block, static_cast<std::size_t>(got));
    }
}

// A hive's text data as ANSI text. Windows may leave junk after a string's zero in its buffer.
RegistryData DataOf(unsigned type, std::string bytes)
{
    RegistryData data;
    data.type = type;
    if (type == RegistryData::String || type == RegistryData::ExpandString || type == RegistryData::MultiString) {
        if (bytes.size() % 2)
            bytes.pop_back();
        data.bytes = AnsiFromUtf16Le(bytes);
        if (type != RegistryData::MultiString)
            data.bytes.erase(std::min(data.bytes.find('\0'), data.bytes.size()));
    } else {
        data.bytes = std::move(bytes);
    }
    return data;
}

// hivex hands names back as UTF-8.
std::string NameOf(char* utf8)
{
    if (!utf8)
        return {};
    std::string name = AnsiFromUtf8(utf8);
    std::free(utf8);
    return name;
}

std::vector<std::string> SplitKey(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + '\\') {
        if (c == '\\') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    return parts;
}

} // namespace

std::unique_ptr<HiveFile> HiveFile::Open(const std::string& nativePath, std::string& problem)
{
    // The file is checked whole first; hivex then reads it again into its own memory (so that a file
    // changed or cut under a mapping cannot fault), and the two reads must have seen the same file.
    for (int attempt = 0; attempt < 3; ++attempt) {
        FileIdentity before, after;
        problem = Identify(nativePath, before);
        if (!problem.empty())
            return nullptr;
        {
            std::string bytes;
            if (!ReadAll(nativePath, bytes)) {
                problem = std::string("cannot be read: ") + std::strerror(errno);
                return nullptr;
            }
            problem = HiveDamage(bytes);
            if (!problem.empty())
                return nullptr;
        }
        hive_h* hive = hivex_open(nativePath.c_str(), HIVEX_OPEN_WRITE);
        if (!hive) {
            problem = std::string("a hive that cannot be read: ") + std::strerror(errno);
            return nullptr;
        }
        if (Identify(nativePath, after).empty() && after == before) {
            if (!hivex_root(hive)) {
                hivex_close(hive);
                problem = "a damaged hive: no root key";
                return nullptr;
            }
            return std::unique_ptr<HiveFile>(new HiveFile(hive));
        }
        hivex_close(hive);
    }
    problem = "the file keeps changing while it is read";
    return nullptr;
}

HiveFile::HiveFile(hive_h* hive) : m_hive(hive) {}

HiveFile::~HiveFile() { hivex_close(m_hive); }

std::size_t HiveFile::Node(const std::string& keyPath) const
{
    std::string folded;
    hive_node_h node = hivex_root(m_hive);
    for (const std::string& part : SplitKey(keyPath)) {
        folded += '\\' + FoldCase(part);
        const auto known = m_nodes.find(folded);
        if (known != m_nodes.end()) {
            node = known->second;
        } else {
            hive_node_h found = 0;
            if (hive_node_h* children = hivex_node_children(m_hive, node)) {
                for (std::size_t i = 0; children[i] && !found; ++i)
                    if (EqualsNoCase(NameOf(hivex_node_name(m_hive, children[i])), part))
                        found = children[i];
                std::free(children);
            }
            m_nodes[folded] = node = found;
        }
        if (!node)
            return 0;
    }
    return node;
}

bool HiveFile::HasKey(const std::string& keyPath) const { return Node(keyPath) != 0; }

std::vector<std::string> HiveFile::Subkeys(const std::string& keyPath) const
{
    std::vector<std::string> names;
    const hive_node_h node = Node(keyPath);
    hive_node_h* children = node ? hivex_node_children(m_hive, node) : nullptr;
    for (std::size_t i = 0; children && children[i]; ++i)
        names.push_back(NameOf(hivex_node_name(m_hive, children[i])));
    std::free(children);
    return names;
}

std::vector<std::pair<std::string, RegistryData>> HiveFile::Values(const std::string& keyPath) const
{
    std::vector<std::pair<std::string, RegistryData>> values;
    const hive_node_h node = Node(keyPath);
    if (!node)
        return values;
    hive_value_h* handles = hivex_node_values(m_hive, node);
    for (std::size_t i = 0; handles && handles[i]; ++i) {
        hive_type type{};
        std::size_t length = 0;
        char* data = hivex_value_value(m_hive, handles[i], &type, &length);
        if (!data)
            continue; // a value whose data cannot be read is as good as absent
        std::string bytes(data, length);
        std::free(data);
        values.emplace_back(NameOf(hivex_value_key(m_hive, handles[i])), DataOf(type, std::move(bytes)));
    }
    std::free(handles);
    return values;
}

std::optional<RegistryData> HiveFile::Find(const std::string& keyPath, const std::string& name) const
{
    std::string folded;
    for (const std::string& part : SplitKey(keyPath))
        folded += '\\' + FoldCase(part);
    folded += '\0' + FoldCase(name);
    const auto known = m_values.find(folded);
    if (known != m_values.end())
        return known->second;
    std::optional<RegistryData> found;
    for (auto& [valueName, data] : Values(keyPath)) {
        if (EqualsNoCase(valueName, name)) {
            found = std::move(data);
            break;
        }
    }
    return m_values[folded] = found;
}

} // namespace platform
