#include "gui/platform/viewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace q7 {

bool QtViewer::open(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace q7
