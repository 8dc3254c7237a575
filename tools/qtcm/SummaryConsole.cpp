// The console summary: short tables, most first, each cut after a few rows with a line saying how
// many more there are (the JSON summary and the page have them all).
#include "Summary.h"

#include "SummaryTables.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kRows = 10;      // rows of a table at most
constexpr std::size_t kSessions = 5;   // sessions with the most losses
constexpr std::size_t kPropertyWidth = 40;

std::string Cut(const std::string& text, std::size_t width)
{
    return text.size() <= width ? text : text.substr(0, width - 3) + "...";
}

void More(std::FILE* out, std::size_t shown, std::size_t all)
{
    if (all > shown)
        std::fprintf(out, "  ... and %zu more\n", all - shown);
}

void PrintKinds(std::FILE* out, const char* title, const char* what, const std::vector<summary::KindRow>& rows)
{
    if (rows.empty())
        return;
    std::fprintf(out, "%s:\n  times  sessions  %s\n", title, what);
    const std::size_t shown = std::min(rows.size(), kRows);
    for (std::size_t i = 0; i < shown; ++i)
        std::fprintf(out, "  %5u  %8u  %s\n", rows[i].times, rows[i].sessions, rows[i].kind.c_str());
    More(out, shown, rows.size());
}

void PrintLosses(std::FILE* out, const std::vector<summary::LossRow>& rows)
{
    if (rows.empty())
        return;
    std::size_t width = 8, groupWidth = 15;
    const std::size_t shown = std::min(rows.size(), kRows);
    for (std::size_t i = 0; i < shown; ++i) {
        width = std::max(width, std::min(rows[i].property.size(), kPropertyWidth));
        groupWidth = std::max(groupWidth, rows[i].group.size());
    }
    const int w = static_cast<int>(width), g = static_cast<int>(groupWidth);
    std::fprintf(out, "Properties most often not carried over:\n  times  sessions  %-*s  %-*s  as\n", w, "property", g,
                 "statement group");
    for (std::size_t i = 0; i < shown; ++i)
        std::fprintf(out, "  %5u  %8u  %-*s  %-*s  %s\n", rows[i].times, rows[i].sessions, w,
                     Cut(rows[i].property, kPropertyWidth).c_str(), g, rows[i].group.c_str(), rows[i].kind.c_str());
    More(out, shown, rows.size());
}

void PrintMostLosses(std::FILE* out, const RunRecord& run)
{
    const std::vector<std::size_t> most = summary::MostLosses(run, kSessions);
    if (most.empty())
        return;
    std::fprintf(out, "Sessions with the most losses:\n  losses  unconverted  unrecognized  source\n");
    for (const std::size_t i : most) {
        const SourceRecord& s = run.sources[i];
        std::fprintf(out, "  %6u  %11u  %12u  %s\n", s.unconverted + s.unrecognized, s.unconverted, s.unrecognized,
                     s.source.c_str());
    }
}

} // namespace

// The totals line itself is printed just before, with the time and the report (RunOutput.cpp); the
// summary goes on from there.
void PrintSummary(const RunRecord& run, std::FILE* out)
{
    std::fputs("\n", out);
    for (const summary::ReasonState& reasons : summary::kReasonStates)
        PrintKinds(out, reasons.title, "reason", summary::CountReasons(run, reasons.state));
    PrintLosses(out, summary::CountLosses(run));
    PrintMostLosses(out, run);
    PrintKinds(out, "Notices", "notice", summary::CountNotices(run));
    std::fflush(out);
}
