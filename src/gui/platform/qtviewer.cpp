#include "gui/platform/viewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace q7 {

void QtViewer::open(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace q7
