#pragma once
// What a run of qtcm did, source by source: the one record that the console summary, the JSON
// summary, the HTML page and the map of created files are all made from. migrate and plan fill it;
// a fleet run joins the records of its desks.
#include <string>
#include <vector>

struct ReportLine {
    std::string group; // the group name of the statement it came from
    std::string text;  // the line as the report has it, without its line end
};

struct SourceRecord {
    enum class State { Translated, NotTranslated, LeftOut, Skipped };
    std::string source;   // as the user named it, or as the folder walk found it
    std::string desk;     // the desk's name in a fleet run; empty otherwise
    State state = State::NotTranslated;
    std::string reason;   // why it was not translated, left out or skipped
    std::string sessionFile;
    std::vector<std::string> created; // every file the translation created or replaced, session file first
    unsigned unconverted = 0, unrecognized = 0;
    std::vector<ReportLine> lines;    // the property lines it added to the report
    std::vector<std::string> notices; // warnings and file errors the library showed meanwhile
};

// A desk of a fleet run: its sources are the SourceRecords that carry its name.
struct DeskRecord {
    std::string name;
    std::string report;                // its migration report
    bool ran = false;                  // it passed its checks and its sources were translated
    std::vector<std::string> messages; // what it said on the way: warnings, or why it did not run
};

struct RunRecord {
    std::string command;              // "migrate" or "plan"
    std::string started, ended;       // local time, ISO 8601
    std::string version;              // qtcm's
    std::string desk;                 // what the desk was made of (registry files, copied disk)
    std::vector<std::string> arguments; // the command line after "qtcm"
    std::string report;               // the migration report appended to
    std::vector<SourceRecord> sources; // in the order of the files
    std::vector<DeskRecord> desks;     // a fleet run's desks, in the order of its list
};
