#include "display/CQIAttributeConverter.h"

#include "converters/NameTables.h"
#include "platform/AsciiCase.h"

#include <cstddef>
#include <string>

bool CQIAttributeConverter::Convert(const PropertyList& properties, const char* outputSessionPath, const char*)
{
    const std::string target = outputSessionPath ? outputSessionPath : "";
    // Without a session file there is nowhere to write; the properties are still reported.
    auto write = [&target](const char* section, const std::string& key, const std::string& value) {
        WriteProfile(section, key, value, target);
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

        if (EqualsNoCase(key, "Attribute")) {
            // One attribute entry: the name, then the two colour numbers of the next two properties,
            // taken by position whatever their keys say.
            // An entry cut short by the end of the list has no numbers to write. It is reported with
            // its name as unconverted, and the properties end there: whatever follows is the rest
            // of that entry. The scheme marker is still written below.
            if (i + 5 >= n) {
                ReportProperty(key + "=" + value, kUnconverted);
                break;
            }
            const std::int32_t first = GetIntValue(properties[i + 3]);
            const std::int32_t second = GetIntValue(properties[i + 5]);
            // The name becomes the key. A name that cannot be unquoted, or that is empty, would
            // make an empty key; such an entry is reported as unconverted instead.
            std::string name;
            if (TranslateValue(kind, value, name, nullptr) == 0 || name.empty())
                ReportProperty(key + "=" + value, kUnconverted);
            else
                write(SectionNames[section], name, std::to_string(first) + ", " + std::to_string(second));
            i += 6;
            continue;
        }

        // The switches, and "Reset": it has no translation, so unlike in the colour statement it is
        // always reported.
        ConvertProperty(kind, key, value, section, targetKey, target);
        i += 2;
    }

    // Every statement marks the scheme section, even one that converted nothing.
    write("Color Scheme", "CPType", "COLDEC");
    write("Color Scheme", "ColorSchemeName", "");
    return true;
}
