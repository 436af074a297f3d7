#include "ctl/progress.h"

#include <cstdio>

namespace q7::ctl {

void ProgressLine::show(const std::string& text)
{
    if (!m_shown || text == m_text)
        return;
    m_text = text;
    // Back to the line's start, the new text, and the rest of the old one erased.
    std::fprintf(stderr, "\rq7ctl: %s\x1b[K", text.c_str());
    std::fflush(stderr);
}

void ProgressLine::clear()
{
    if (!m_shown || m_text.empty())
        return;
    m_text.clear();
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
}

}  // namespace q7::ctl
