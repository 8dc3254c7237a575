#pragma once
// qtcm preview FILE -o OUT.svg: a converted QuickPad or toolbar drawn as an SVG picture.
#include <string>
#include <vector>

// arguments: what follows the command. The exit status for the host (0 written, 1 not such a
// file, 2 unusable arguments or files).
int PreviewFile(const std::vector<std::string>& arguments);

// The picture of the QuickPad or toolbar whose bytes were read from path (its extension says
// which); false with a message for other files.
bool PreviewSvgOf(const std::string& path, const std::string& bytes, std::string& svg, std::string& error);
