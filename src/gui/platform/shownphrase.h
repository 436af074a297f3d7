#pragma once
// A phrase of core (core/base/phrase.h) as the window shows it: each pattern looked up under its
// context in the operator's language, the values and paths in it as they are.

#include "core/base/phrase.h"

#include <QCoreApplication>
#include <QString>

namespace q7 {

inline QString shownText(const Phrase& phrase)
{
    return QString::fromStdString(phrase.shown(
        [](const char* context, const std::string& pattern) {
            return QCoreApplication::translate(context, pattern.c_str()).toStdString();
        },
        [](const std::string& text) { return text; }));
}

}  // namespace q7
