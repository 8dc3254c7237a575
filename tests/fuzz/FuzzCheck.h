#pragma once
// What every fuzz target of a reader holds the reader to, besides not crashing: a refusal names a
// status and a byte within the input (or just past it, where the input ends too soon).
#include "formats/ReadResult.h"

#include <cstddef>

inline void CheckRefusal(const formats::ReadResult& result, std::size_t size)
{
    if (!result && (result.offset > size || result.what.empty()))
        __builtin_trap();
}

// A property that must hold.
inline void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}
