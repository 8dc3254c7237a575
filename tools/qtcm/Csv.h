#pragma once
// Comma-separated values as RFC 4180 has them: the map of created files is written this way and
// the list of desks is read this way.
#include <string>
#include <vector>

// One field, quoted when it holds a comma, a quote, a line end or blanks at either end.
std::string CsvField(const std::string& text);
// A record: its fields joined with commas, ended by CRLF.
std::string CsvRow(const std::vector<std::string>& fields);

struct CsvRecord {
    std::vector<std::string> fields;
    std::size_t line = 0; // where the record starts, from 1, for messages
};

// Every record of text; a blank line is no record. A byte-order mark in front is dropped; line ends
// may be CRLF or LF, inside quotes too. False with "line N: what" for a quote that is not closed,
// or text after a closing quote.
bool ParseCsv(const std::string& text, std::vector<CsvRecord>& records, std::string& error);
