#pragma once
// Caret notation of QIM! strings: "^" and a letter or sign is a control character (its code AND 31,
// "^M" is 13), "^" and one to three digits a character code ("^27" is escape; kept to 8 bits).
#include <string>

// Decodes the caret notation starting at text[i] (the caret); i moves past it. end bounds the digits.
// False when nothing follows the caret before end.
bool DecodeCaret(const std::string& text, std::size_t& i, std::size_t end, char& out);
