#include "Csv.h"

std::string CsvField(const std::string& text)
{
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' ' || text.front() == '\t' ||
                                          text.back() == '\t'));
    if (!quote)
        return text;
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

std::string CsvRow(const std::vector<std::string>& fields)
{
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i)
        row += (i ? "," : "") + CsvField(fields[i]);
    return row + "\r\n";
}

bool ParseCsv(const std::string& text, std::vector<CsvRecord>& records, std::string& error)
{
    std::size_t i = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    std::size_t line = 1;
    while (i < text.size()) {
        CsvRecord record;
        record.line = line;
        bool blank = true; // a line with nothing on it is no record
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                blank = false;
                const std::size_t opened = line;
                for (++i;; ++i) {
                    if (i >= text.size()) {
                        error = "line " + std::to_string(opened) + ": a quoted field is not closed";
                        return false;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    line += text[i] == '\n' ? 1 : 0;
                    field += text[i];
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    error = "line " + std::to_string(line) + ": text after the closing quote of a field";
                    return false;
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                    field += text[i++];
                blank = blank && field.empty() && (i >= text.size() || text[i] != ',');
            }
            record.fields.push_back(field);
            if (i < text.size() && text[i] == ',') {
                ++i;
                blank = false;
                continue;
            }
            break;
        }
        if (i < text.size() && text[i] == '\r')
            ++i;
        if (i < text.size() && text[i] == '\n')
            ++i;
        ++line;
        if (!blank)
            records.push_back(std::move(record));
    }
    return true;
}
