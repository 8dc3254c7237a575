// The resource directory of a PE file: DOS header, PE signature, file header, optional header
// (PE32 or PE32+), section table, then three levels of resource directories (type, name,
// language) down to the data entry. Addresses in the directory are relative virtual addresses,
// turned into file offsets through the section that holds them.
#include "platform/MenuResource.h"

#include "formats/Bytes.h"

#include <cstddef>
#include <cstdint>

namespace platform {

namespace {

using Bytes = formats::ByteReader; // read at the offsets the headers give, each checked

struct Section {
    std::uint32_t address = 0; // virtual address
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
};

std::string At(const char* what, std::uint64_t offset)
{
    return std::string(what) + " at byte " + std::to_string(offset);
}

// The file offset of length bytes at rva; they must lie in one section's bytes in the file.
bool FileOffset(const Bytes& file, const std::vector<Section>& sections, std::uint32_t rva, std::uint32_t length,
                std::uint64_t& offset)
{
    for (const Section& section : sections) {
        if (rva < section.address)
            continue;
        const std::uint64_t into = rva - section.address;
        if (into > section.rawSize || length > section.rawSize - into)
            continue;
        offset = std::uint64_t(section.rawOffset) + into;
        return file.Has(offset, length);
    }
    return false;
}

// One level of the resource directory: the entry with the given id (or the first entry of any
// kind when first is set); offset receives its target relative to the directory's start, and
// isDirectory whether that target is another directory.
bool FindEntry(Bytes& file, std::uint64_t root, std::uint64_t rootSize, std::uint64_t directory, bool first,
               unsigned id, std::uint32_t& target, bool& isDirectory, std::string& error)
{
    std::uint32_t named = 0, ids = 0;
    if (directory + 16 > rootSize || !file.U16At(root + directory + 12, named) || !file.U16At(root + directory + 14, ids)) {
        error = At("resource directory cut short", root + directory);
        return false;
    }
    const std::uint64_t entries = root + directory + 16;
    for (std::uint32_t i = 0; i < named + ids; ++i) {
        const std::uint64_t entry = entries + 8ull * i;
        std::uint32_t name = 0, offset = 0;
        if (entry + 8 > root + rootSize || !file.U32At(entry, name) || !file.U32At(entry + 4, offset)) {
            error = At("resource directory entry cut short", entry);
            return false;
        }
        // Entries named by a string come first; only numbered ones can match an id.
        if (!first && (i < named || (name & 0x80000000u) || name != id))
            continue;
        target = offset & 0x7FFFFFFFu;
        isDirectory = (offset & 0x80000000u) != 0;
        return true;
    }
    error = "";
    return false;
}

} // namespace

bool FindPeResource(const std::string& image, unsigned type, unsigned name, std::string& data, std::string& error)
{
    Bytes file(image, formats::ByteOrder::Little);
    std::uint32_t magic = 0, peOffset = 0, signatureLow = 0, signatureHigh = 0;
    if (!file.U16At(0, magic) || magic != 0x5A4D) { // "MZ"
        error = "not a Windows library (no MZ header)";
        return false;
    }
    if (!file.U32At(0x3C, peOffset) || !file.U16At(peOffset, signatureLow) || !file.U16At(peOffset + 2ull, signatureHigh) ||
        signatureLow != 0x4550 || signatureHigh != 0) { // "PE\0\0"
        error = "not a PE file (no PE signature)";
        return false;
    }
    const std::uint64_t header = peOffset + 4ull;
    std::uint32_t sectionCount = 0, optionalSize = 0, optionalMagic = 0;
    if (!file.U16At(header + 2, sectionCount) || !file.U16At(header + 16, optionalSize) ||
        !file.U16At(header + 20, optionalMagic)) {
        error = At("PE header cut short", header);
        return false;
    }
    const std::uint64_t optional = header + 20;
    std::uint64_t directories = 0, countField = 0;
    if (optionalMagic == 0x10B) { // PE32
        countField = 92;
        directories = 96;
    } else if (optionalMagic == 0x20B) { // PE32+
        countField = 108;
        directories = 112;
    } else {
        error = At("unknown optional header kind", optional);
        return false;
    }
    std::uint32_t directoryCount = 0, resourceRva = 0, resourceSize = 0;
    if (optionalSize < directories + 24 || !file.U32At(optional + countField, directoryCount)) {
        error = At("optional header cut short", optional);
        return false;
    }
    if (directoryCount < 3 || !file.U32At(optional + directories + 16, resourceRva) ||
        !file.U32At(optional + directories + 20, resourceSize) || resourceRva == 0) {
        error = "the library has no resources";
        return false;
    }

    std::vector<Section> sections;
    const std::uint64_t table = optional + optionalSize;
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        Section section;
        const std::uint64_t row = table + 40ull * i;
        if (!file.U32At(row + 12, section.address) || !file.U32At(row + 16, section.rawSize) ||
            !file.U32At(row + 20, section.rawOffset)) {
            error = At("section table cut short", row);
            return false;
        }
        sections.push_back(section);
    }

    // The whole resource directory must be in the file: from here on, offsets are checked against it.
    std::uint64_t root = 0;
    if (!FileOffset(file, sections, resourceRva, resourceSize, root)) {
        error = "the resource directory lies outside the file";
        return false;
    }
    std::uint32_t target = 0;
    bool isDirectory = false;
    const unsigned path[3] = {type, name, 0};
    const char* level[3] = {"type", "name", "language"};
    std::uint64_t directory = 0;
    for (int depth = 0; depth < 3; ++depth) {
        if (!FindEntry(file, root, resourceSize, directory, depth == 2, path[depth], target, isDirectory, error)) {
            if (error.empty())
                error = depth == 0 ? "no menu resources" : "no menu " + std::to_string(name);
            return false;
        }
        if (isDirectory != (depth < 2)) {
            error = std::string("resource directory: unexpected entry at the ") + level[depth] + " level";
            return false;
        }
        directory = target;
    }
    std::uint32_t dataRva = 0, dataSize = 0;
    if (directory + 16 > resourceSize || !file.U32At(root + directory, dataRva) ||
        !file.U32At(root + directory + 4, dataSize)) {
        error = At("resource data entry cut short", root + directory);
        return false;
    }
    std::uint64_t offset = 0;
    if (!FileOffset(file, sections, dataRva, dataSize, offset)) {
        error = "the menu's data lies outside the file";
        return false;
    }
    data = image.substr(offset, dataSize);
    return true;
}

} // namespace platform
