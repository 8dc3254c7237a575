#pragma once
// A statement as converters see it: element 0 the group name, then key and value alternately,
// values in their source form. Exactly two elements make a single-value statement (name, value).
#include <string>
#include <vector>

using PropertyList = std::vector<std::string>;

// The element at i, or an empty text past the end (a key that ends the list has an empty value).
inline const std::string& ValueAt(const PropertyList& properties, std::size_t i)
{
    static const std::string empty;
    return i < properties.size() ? properties[i] : empty;
}
