#pragma once
// A US-English 101/104-key PC keyboard as tables: the names of its keys by scan code and the
// mapping between its virtual-key codes and scan codes. The posix keyboard answers from these; they
// build on every platform so that tests can hold the system's own answers against them.
#include <cstdint>
#include <string>

namespace platform::us {

// As platform::KeyNameText: only the scan code and the extended flag of the word count.
bool KeyNameText(std::uint32_t parameterWord, std::string& name);
// As platform::MapKeyCode for map types 0 and 1; any other type, or an unlisted code, gives 0.
std::uint32_t MapKeyCode(std::uint32_t code, unsigned mapType);

} // namespace platform::us
