#pragma once
// The texts of a report section: header, one line per property not carried over, totals and the
// separator. The converters write the property lines, the translation run the rest.
#include <string>

namespace report {

std::string Header(const std::string& sourcePath, const std::string& outputPath);
// Empty for a code outside 1 to 3.
std::string PropertyLine(const std::string& text, int code);
std::string Totals(unsigned unconverted, unsigned unrecognized);
extern const char kSeparator[];

} // namespace report
