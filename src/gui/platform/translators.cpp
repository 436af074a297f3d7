#include "gui/platform/translators.h"

#include "core/settings/uilanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace q7 {

bool installTranslators(const std::string& language, const std::vector<std::string>& folders)
{
    QCoreApplication* app = QCoreApplication::instance();
    for (QTranslator* old : app->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (language.empty())
        return true;
    auto* tool = new QTranslator(app);
    bool found = false;
    for (const std::string& folder : folders)
        if ((found = tool->load(QString::fromStdString(catalogFileName(language)), QString::fromStdString(folder))))
            break;
    if (!found) {
        delete tool;
        return false;
    }
    QCoreApplication::installTranslator(tool);
    auto* qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

}  // namespace q7
