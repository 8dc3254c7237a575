#pragma once
// The summary page's inline style sheet and script.

extern const char kSummaryStyle[];
// Sorts the tables by a clicked column, filters by session and by property (two inputs, or the
// page's ?session=, ?property= and ?sort= parameters), then marks the page with data-script="ready".
extern const char kSummaryScript[];
