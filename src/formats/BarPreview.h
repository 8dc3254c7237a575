#pragma once
// A picture of a converted pad or toolbar as an SVG document, so that a user sees what the
// migration made: the QuickPad's buttons at their places with their captions, or the toolbar's
// buttons with their images and tooltips.
#include "formats/ReadResult.h"

#include <string>
#include <string_view>

namespace formats {

// The pad at its size, each button at its place with its caption; the action in its title.
ReadResult QuickPadPreview(std::string_view bytes, std::string& svg);
// The toolbar with small and with large buttons, then one line per button with its image.
ReadResult ToolbarPreview(std::string_view bytes, std::string& svg);

} // namespace formats
