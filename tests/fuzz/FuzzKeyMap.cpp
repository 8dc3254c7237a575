// Fuzzing the key map's reader and dump. What the reader accepts, the writer writes again; read a
// second time, it is the same map (the writer fills each record's lengths and copies afresh).
#include "formats/KeyMap.h"

#include "FuzzCheck.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    formats::KeyMap map;
    const formats::ReadResult read = formats::ReadKeyMap(bytes, map);
    CheckRefusal(read, size);
    std::string text;
    Require(formats::DumpKeyMap(bytes, text).status == read.status);
    if (read) {
        const std::string written = formats::KeyMapBytes(map);
        Require(written.size() == size);
        formats::KeyMap again;
        Require(static_cast<bool>(formats::ReadKeyMap(written, again)));
        Require(formats::KeyMapBytes(again) == written);
    }
    return 0;
}
