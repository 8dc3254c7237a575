#pragma once
// The texts of a run as the summaries show them: made UTF-8 and escaped for JSON or HTML, and
// messages reduced to their kind so that those of one kind are counted together.
#include <string>

namespace summary {

// A text of the run as UTF-8. The library's texts are Windows-1252. On posix the paths in them
// (sources, created files) are the file system's names, UTF-8 as a rule, so there a text that is
// valid UTF-8 with a character beyond ASCII stays as it is: Windows-1252 text rarely forms such
// sequences. On Windows every name the host handles is of the ANSI code page, and always converted.
std::string Utf8Of(const std::string& text);

// A JSON string, quotes included: '"' and '\' escaped, control characters (C0, DEL and C1) and
// the line and paragraph separators as \n, \r, \t or \u00XX, the rest UTF-8 (Utf8Of).
std::string JsonString(const std::string& text);

// HTML character data: & < > " ' as references; a line end (LF, or CR LF) stays and so does a
// tab; every other control character is shown as its ASCII name in a box, <span class="control"
// title="U+000D">CR</span> (the code page's undefined bytes as their code point).
std::string HtmlText(const std::string& text);

// A quoted HTML attribute value: as HtmlText, but a control character becomes its picture
// (U+2400 + byte, U+2421 for DEL, U+FFFD for the undefined bytes), as markup has no place there.
std::string HtmlAttribute(const std::string& text);

// A string as the file dumps (qtcm inspect) quote it, back into its bytes: \" \\ \t \xNN undone,
// the surrounding quotes dropped when present.
std::string UnquoteDump(const std::string& quoted);

// What kind of message a notice is: the statement it names in front ("Mouse (LBD): ") dropped,
// quoted texts and paths replaced by "...", cut after its first sentence. The notice "Mouse (LBD):
// the macro path "..\x.qtm" is relative: it was read as ../x.qtm from the working folder /s/."
// is of the kind: the macro path "..." is relative: it was read as ... from the working folder ...
std::string NoticeKind(const std::string& notice);

// A reason (not translated, left out, skipped) with its paths, outside quotes, replaced by "...".
std::string ReasonKind(const std::string& reason);

} // namespace summary
