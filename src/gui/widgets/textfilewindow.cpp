#include "gui/widgets/textfilewindow.h"

#include "core/base/codepage.h"
#include "core/base/textfile.h"
#include "gui/platform/localpath.h"
#include "gui/platform/shownphrase.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace q7 {

TextFileWindow::TextFileWindow(const QString& path, QWidget* owner)
    : QWidget(owner, Qt::Window), m_path(path), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("TextFileWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(path).fileName());
    m_text->setObjectName(QStringLiteral("TextFileText"));
    m_text->setAccessibleName(QFileInfo(path).fileName());
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);  // listings and settings read best line by line
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    resize(600, 450);
}

void TextFileWindow::showFile(const QString& path, const CodePage& codePage, QWidget* owner)
{
    TextFileWindow* window = nullptr;
    for (TextFileWindow* open : owner->findChildren<TextFileWindow*>(Qt::FindDirectChildrenOnly))
        if (open->path() == path)
            window = open;
    if (!window)
        window = new TextFileWindow(path, owner);
    window->load(codePage);
    window->show();
    window->raise();
    window->activateWindow();
}

void TextFileWindow::load(const CodePage& codePage)
{
    // The copies are the players' 8-bit text, fetched in netascii, so lines end in LF; a CR
    // before one is dropped as well, for a file that came another way.
    QString text;
    try {
        text = QString::fromStdU16String(codePage.decode(readTextFile(localPath(m_path))));
    } catch (const FileError& e) {
        text = shownText(e.phrase());
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setPlainText(text);
}

}  // namespace q7
