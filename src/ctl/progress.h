#pragma once
// One line on standard error that says, while a command runs, what it is doing: the transfers
// still running, or what it waits for and the seconds left. Rewritten in place, and cleared when
// the command moves on, so that the outcomes printed after it stand alone. Only for someone at a
// terminal: nothing of it with --json or when standard error is not a terminal.

#include <string>

namespace q7::ctl {

class ProgressLine {
public:
    explicit ProgressLine(bool shown) : m_shown(shown) {}
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Shows `text` in place of the line shown before (nothing is written when it is the same).
    void show(const std::string& text);
    void clear();

private:
    bool m_shown;
    std::string m_text;
};

}  // namespace q7::ctl
