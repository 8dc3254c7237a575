#pragma once
// Registry hive files of our own for the tests: an empty hive laid out byte by byte from the
// published description of the format, then filled through hivex, as a copied Windows disk would
// hold them.
#include <string>
#include <vector>

namespace testing_support {

// The types a test writes; the numbers are the registry's own.
enum HiveValueType : unsigned { kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4 };

struct HiveValue {
    std::string name; // "" for the key's default value
    unsigned type = kRegSz;
    std::string data; // strings as ANSI text (written as UTF-16LE with a final zero); raw bytes otherwise

    static HiveValue Dword(const std::string& name, unsigned value);
};

struct HiveKey {
    std::string path; // below the hive's root, separated by '\' ("Microsoft\Windows NT\CurrentVersion")
    std::vector<HiveValue> values;
};

// The bytes of a hive with a root key and nothing else: the 4096-byte header and one 4096-byte bin.
std::string EmptyHiveBytes();

// Writes path: the empty hive with the keys (and the keys on their way) and their values. False with
// a message when hivex refuses a step.
bool WriteHive(const std::string& path, const std::vector<HiveKey>& keys, std::string& error);

} // namespace testing_support
