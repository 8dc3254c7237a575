#include "display/CQIColorConverter.h"

#include "converters/NameTables.h"
#include "platform/AsciiCase.h"

#include <cstddef>
#include <string>

bool CQIColorConverter::Convert(const PropertyList& properties, const char* outputSessionPath, const char*)
{
    const std::string target = outputSessionPath ? outputSessionPath : "";
    // Without a session file there is nowhere to write; the properties are still reported.
    auto write = [&target](int section, const std::string& key, const std::string& value) {
        WriteProfile(SectionNames[section], key, value, target);
    };

    const std::size_t n = properties.size();
    const int group = n > 0 ? FindName(properties[0], kGroupNames) : -1;
    for (std::size_t i = 1; i < n;) {
        const std::string& key = properties[i];
        const std::string& value = ValueAt(properties, i + 1);
        int section = 0;
        int targetKey = 0;
        int kind = 0;
        if (!FindPropertyRow(group, key, section, targetKey, kind)) {
            i += 2;
            continue;
        }
        // "Reset" is known but has nothing to carry over, and is not worth a report line.
        if (targetKey == 0) {
            i += 2;
            continue;
        }

        if (EqualsNoCase(key, "VTColorIndex")) {
            // One colour map entry: the index, then the red, green and blue values of the next three
            // properties, taken by position whatever their keys say.
            // An entry cut short by the end of the list has no colour to write. It is reported with
            // its index as unconverted, and the statement ends there: whatever follows is the rest
            // of that entry, and reading it as properties of their own would misplace them.
            if (i + 7 >= n) {
                ReportProperty(key + "=" + value, kUnconverted);
                break;
            }
            const std::int32_t index = GetIntValue(value);
            const std::int32_t red = GetIntValue(properties[i + 3]);
            const std::int32_t green = GetIntValue(properties[i + 5]);
            const std::int32_t blue = GetIntValue(properties[i + 7]);
            // Key "ClrCurrent<index>", value "<red>,<green>,<blue>"; the numbers are copied unscaled.
            write(section, KeyNames[targetKey] + std::to_string(index),
                  std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue));
            i += 8;
            continue;
        }

        // The switches. "Red", "Green" or "Blue" outside an entry land here too and, having no
        // translation of their own, are reported rather than written.
        ConvertProperty(kind, key, value, section, targetKey, target);
        i += 2;
    }
    return true;
}
