#pragma once
// How the sources of a run are shared out among worker processes, and how the files they created
// are told apart afterwards. Pure logic: no files, no processes.
#include "RunRecord.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

// names: the session file name each source starts from (Demo for Demo.qtc), in the order of the
// files; existing: the names of the session files already in the session folder, without .TDP, in
// lower case. Answers, per worker, the positions in names it translates, in the order of the files.
//
// Sources whose names can meet in the free-name search go to one worker, in order, so the names come
// out as in a run of one process: the same name ignoring case, and, where a name is searched at all
// (it comes twice, or its session file is there already), every name that differs from it only in
// its trailing digits (Demo, Demo1, Demo12). Other names are shared out freely. The groups go to the
// least loaded worker, the largest group first; fewer workers are used when there are fewer groups.
std::vector<std::vector<std::size_t>> AssignWorkers(const std::vector<std::string>& names,
                                                    const std::set<std::string>& existing, unsigned workers);

// True when text names the file called name (case ignored): name stands at the start, or after a
// character that cannot be part of a name (a separator, '=', a quote, a length byte), and is not
// followed by more of a name.
bool MentionsName(const std::string& text, const std::string& name);

// The workers list what appeared in the target folders while each of their sources was translated,
// and so a file another worker created meanwhile shows up in two lists. Each such file is settled
// here: a session file is its own source's; any other file goes to the worker whose source's
// files name it (the session file names its key map, the key map its macros...), and when none or
// more than one does, to the source that comes first. Claims of one worker's sources stay (two of
// its sessions may write the same file, one after the other). worker[i] is records[i]'s worker;
// contents(path) gives a file's bytes.
void SettleClaims(std::vector<SourceRecord>& records, const std::vector<unsigned>& worker,
                  const std::function<std::string(const std::string&)>& contents);
