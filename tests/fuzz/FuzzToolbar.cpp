// Fuzzing the toolbar's reader, dump and preview. The reader checks every field the layout fixes,
// so what it accepts the writer writes again byte for byte.
#include "formats/BarPreview.h"
#include "formats/Toolbar.h"

#include "FuzzCheck.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    formats::Toolbar toolbar;
    const formats::ReadResult read = formats::ReadToolbar(bytes, toolbar);
    CheckRefusal(read, size);
    std::string text;
    Require(formats::DumpToolbar(bytes, text).status == read.status);
    Require(formats::ToolbarPreview(bytes, text).status == read.status);
    if (read)
        Require(formats::ToolbarBytes(toolbar) == bytes);
    return 0;
}
