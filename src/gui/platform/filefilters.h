#pragma once
// The filters of the open and save dialogs ("description|pattern|...", see dialogs.h) in the
// operator's language: read each time a dialog opens, so after the catalogs are loaded.

#include <QCoreApplication>
#include <QString>

namespace q7 {

// Config, List, Text, All: filter index 1 to 4.
inline QString openFileFilter()
{
    //: File dialog filters: "description|pattern|...". Translate the descriptions only; keep every | and pattern.
    return QCoreApplication::translate("FileDialog", "Config|*.conf|List|*.lst|Text|*.txt|All|*.*");
}

// All, Config, List, Text, Scrolling bitmap: filter index 1 to 5.
inline QString saveFileFilter()
{
    //: File dialog filters: "description|pattern|...". Translate the descriptions only; keep every | and pattern.
    return QCoreApplication::translate("FileDialog",
                                       "All|*.*|Config|*.conf|List|*.lst|Text|*.txt|Scrolling bitmap|*.target");
}

}  // namespace q7
