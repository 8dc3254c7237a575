#pragma once
// The progress bar of a long migration, on stderr when stderr is a terminal, and nowhere else.
#include <chrono>
#include <cstddef>
#include <string>

class Progress {
public:
    Progress(std::size_t total, bool enabled);
    ~Progress();

    // The number of files grows as a fleet's desks say how many they have.
    void SetTotal(std::size_t total) { m_total = total; }

    // Before the file at position done (from 0) is translated.
    void Show(std::size_t done, const std::string& current);
    // Takes the bar off the line so that other output can go there; the next Show draws it again.
    void Clear();

    // Seconds as "m:ss" or "h:mm:ss".
    static std::string Duration(double seconds);

private:
    using Clock = std::chrono::steady_clock;
    std::size_t m_total;
    bool m_enabled;
    bool m_shown = false;
    Clock::time_point m_start = Clock::now();
    Clock::time_point m_lastDraw{};
};
