#include "platform/Registry.h"

#include "platform/AsciiCase.h"
#include "platform/posix/RegistryView.h"

#include <cstdlib>
#include <cstring>
#include <strings.h>

extern char** environ;

namespace platform {

bool ReadRegistryValue(RegistryHive hive, const std::string& key, const std::string& valueName,
                       std::size_t bufferSize, std::string& out)
{
    const std::optional<RegistryData> data = CurrentRegistry().Find(hive, key, valueName);
    if (!data)
        return false;
    const bool text = data->type == RegistryData::String || data->type == RegistryData::ExpandString;
    if (data->bytes.size() + (text ? 1 : 0) > bufferSize)
        return false;
    // The caller reads the data as a zero-terminated string, whatever its type.
    out = data->bytes.substr(0, data->bytes.find('\0'));
    return true;
}

namespace {
// Variable names compare ignoring case, as on Windows; an exact match is preferred.
const char* FindEnvironmentVariable(const std::string& name)
{
    if (const char* exact = std::getenv(name.c_str()))
        return exact;
    for (char** entry = environ; entry && *entry; ++entry) {
        const char* eq = std::strchr(*entry, '=');
        if (eq && static_cast<std::size_t>(eq - *entry) == name.size() &&
            ::strncasecmp(*entry, name.c_str(), name.size()) == 0)
            return eq + 1;
    }
    return nullptr;
}
} // namespace

const char* RegistryView::Variable(const std::string& name) const
{
    if (!disk)
        return FindEnvironmentVariable(name);
    const auto found = variables.find(FoldCase(name));
    return found == variables.end() ? nullptr : found->second.c_str();
}

std::string ExpandVariables(const std::string& text, const std::function<const char*(const std::string&)>& lookup)
{
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t open = text.find('%', i);
        if (open == std::string::npos) {
            result.append(text, i, std::string::npos);
            break;
        }
        result.append(text, i, open - i);
        const std::size_t close = text.find('%', open + 1);
        if (close == std::string::npos) {
            result.append(text, open, std::string::npos);
            break;
        }
        const std::string name = text.substr(open + 1, close - open - 1);
        const char* value = name.empty() ? nullptr : lookup(name);
        if (value) {
            result += value;
            i = close + 1;
        } else {
            // Not a variable: the first '%' stays, and the second may open a reference.
            result.append(text, open, close - open);
            i = close;
        }
    }
    return result;
}

bool ExpandEnvironment(const std::string& text, std::size_t bufferSize, std::string& out)
{
    const RegistryView& registry = CurrentRegistry();
    std::string result = ExpandVariables(text, [&registry](const std::string& name) { return registry.Variable(name); });
    if (result.size() + 1 > bufferSize)
        return false;
    out = std::move(result);
    return true;
}

} // namespace platform
