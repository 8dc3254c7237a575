#include "Progress.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t kBarWidth = 24;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

// The terminal's width as the shell exports it; 80 columns otherwise.
std::size_t TerminalWidth()
{
    const char* columns = std::getenv("COLUMNS");
    const long width = columns ? std::strtol(columns, nullptr, 10) : 0;
    return width >= 40 && width <= 1000 ? static_cast<std::size_t>(width) : 80;
}

} // namespace

Progress::Progress(std::size_t total, bool enabled) : m_total(total), m_enabled(enabled) {}

Progress::~Progress() { Clear(); }

std::string Progress::Duration(double seconds)
{
    const long total = static_cast<long>(seconds + 0.5);
    char text[32];
    if (total >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
    return text;
}

void Progress::Show(std::size_t done, const std::string& current)
{
    if (!m_enabled || m_total == 0)
        return;
    done = done < m_total ? done : m_total;
    const Clock::time_point now = Clock::now();
    if (m_shown && now - m_lastDraw < kRedrawInterval)
        return;
    m_lastDraw = now;
    const double elapsed = std::chrono::duration<double>(now - m_start).count();
    const double rate = elapsed > 0 && done > 0 ? static_cast<double>(done) / elapsed : 0;
    const std::size_t filled = kBarWidth * done / m_total;
    // Built by appending: GCC 12 warns falsely about a literal put in front of a string.
    std::string line(1, '[');
    line.append(filled, '#').append(kBarWidth - filled, '.');
    line += "] ";
    line += std::to_string(done);
    line += '/';
    line += std::to_string(m_total);
    if (rate > 0) {
        char tail[96];
        std::snprintf(tail, sizeof tail, "  %.1f files/s  %s left", rate,
                      Duration(static_cast<double>(m_total - done) / rate).c_str());
        line += tail;
    }
    // The current file's name goes last, cut at the front to fit the line.
    const std::size_t width = TerminalWidth() - 1;
    if (line.size() + 10 < width) {
        const std::size_t room = width - line.size() - 2;
        line += "  ";
        if (current.size() > room)
            line.append("...").append(current, current.size() - (room - 3), std::string::npos);
        else
            line += current;
    }
    std::fprintf(stderr, "\r%s\033[K", line.c_str());
    std::fflush(stderr);
    m_shown = true;
}

void Progress::Clear()
{
    if (!m_shown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_shown = false;
}
