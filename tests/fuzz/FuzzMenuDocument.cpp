// Fuzzing the custom menu document's reader and dump. The tree the reader gives, written again with
// the writer's own pieces (AppendAttribute, EscapeMarkup), reads as the same tree.
#include "formats/MenuDocument.h"

#include "FuzzCheck.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace menu = formats::menu;

// The elements as one document: an element with children is opened and closed, one without is empty.
std::string Written(const std::vector<menu::Element>& elements)
{
    std::string document;
    std::vector<std::string> open;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const menu::Element& element = elements[i];
        for (; open.size() > element.depth; open.pop_back())
            document += "</" + open.back() + ">";
        document += "<" + element.name + " ";
        for (const auto& [name, value] : element.attributes)
            menu::AppendAttribute(document, name, menu::EscapeMarkup(value));
        const bool parent = i + 1 < elements.size() && elements[i + 1].depth > element.depth;
        document += parent ? ">" : menu::kEmptyElementEnd;
        if (parent)
            open.push_back(element.name);
    }
    for (; !open.empty(); open.pop_back())
        document += "</" + open.back() + ">";
    return document;
}

bool Same(const std::vector<menu::Element>& a, const std::vector<menu::Element>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].depth != b[i].depth || a[i].name != b[i].name || a[i].attributes != b[i].attributes)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<menu::Element> elements;
    const formats::ReadResult read = menu::ReadMenuDocument(bytes, elements);
    CheckRefusal(read, size);
    std::string text;
    Require(menu::DumpMenuDocument(bytes, text).status == read.status);
    if (read) {
        std::vector<menu::Element> again;
        Require(static_cast<bool>(menu::ReadMenuDocument(Written(elements), again)));
        Require(Same(elements, again));
    }
    return 0;
}
