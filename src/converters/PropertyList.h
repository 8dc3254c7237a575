#pragma once
// A statement as converters see it: element 0 the group name, then key and value alternately,
// values in their source form. Exactly two elements make a single-value statement (name, value).
#include <string>
#include <vector>

using PropertyList = std::vector<std::string>;
