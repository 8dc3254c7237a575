#pragma once
// A picture of a converted pad or toolbar as an SVG document, so that a user sees what the
// migration made: the QuickPad's buttons at their places with their captions, or the toolbar's
// buttons with their images and tooltips.
#include <string>

namespace bars {

// extension picks the format (".tqp" or ".ttb", any case). False with a message for bytes that
// are not such a file.
bool PreviewSvg(const std::string& extension, const std::string& bytes, std::string& svg, std::string& error);

} // namespace bars
