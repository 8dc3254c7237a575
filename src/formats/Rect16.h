#pragma once
// A rectangle of the bar files: four signed 16-bit fields, top, left, bottom and right.
namespace formats {

struct Rect16 {
    int top = 0, left = 0, bottom = 0, right = 0;
};

} // namespace formats
