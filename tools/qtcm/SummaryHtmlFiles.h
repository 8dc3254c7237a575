#pragma once
// The parts of a source's section of the page that show the files its translation created.
#include "RunRecord.h"

#include <string>

// For each file of source.created that can be shown, by its extension: a QuickPad's or toolbar's
// picture (inline SVG), a key map's table, a menu document's tree, a macro's text.
std::string CreatedFilesHtml(const SourceRecord& source);
