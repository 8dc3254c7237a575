#pragma once
// QIM! macro files, read whole for the macro translator. When one cannot be read, the converters
// leave its binding out (or carry it on without a macro) and the report has no line for it, so the
// host hears of it here, through a warning; and of every relative macro path too, which only the
// working folder completes.
#include <string>

class CQIConverter;

// binding names what the macro belongs to ("F1", a caption; may be empty), whenMissing what becomes
// of it when the file cannot be read. False when it cannot be read.
bool ReadMacroFile(const CQIConverter& converter, const std::string& binding, const std::string& path,
                   const char* whenMissing, std::string& macroText);
