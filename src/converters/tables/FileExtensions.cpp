// Extensions (without the dot) of the files the conversion produces.
#include "converters/NameTables.h"

const char* const FileExtensions[8] = {
    "",                                // 0
    "tdp",                             // 1
    "tdc",                             // 2
    "ths",                             // 3
    "tkm",                             // 4
    "tqp",                             // 5
    "ttb",                             // 6
    "cmu",                             // 7
};
