#include "lists/filelistpage.h"

#include <QDateTimeEdit>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <limits>

namespace q7 {

FileListPage::FileListPage(QWidget* parent) : QWidget(parent)
{
    auto* form = new QFormLayout(this);
    m_dirList = new QListWidget(this);
    m_dirList->setObjectName(QStringLiteral("SelectDirListBox"));
    m_dirList->setAccessibleName(QStringLiteral("Folder"));
    form->addRow(m_dirList);

    m_date = new QDateTimeEdit(this);
    m_date->setObjectName(QStringLiteral("DateTimePicker1"));
    m_date->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    m_date->setCalendarPopup(true);
    form->addRow(QStringLiteral("Date :"), m_date);

    // Both are filled from the settings file, which may hold any length: QLineEdit's default limit
    // of 32767 characters would cut a longer value when it is saved again.
    m_downEdit = new QLineEdit(this);
    m_downEdit->setObjectName(QStringLiteral("DownEdit"));
    m_downEdit->setMaxLength(std::numeric_limits<int>::max());
    form->addRow(QStringLiteral("Server URL :"), m_downEdit);
    m_upEdit = new QLineEdit(this);
    m_upEdit->setObjectName(QStringLiteral("UpEdit"));
    m_upEdit->setMaxLength(std::numeric_limits<int>::max());
    form->addRow(QStringLiteral("Upload Server URL :"), m_upEdit);
}

void FileListPage::setDirectory(const QString& path)
{
    m_directory = path;
    m_dirList->clear();
    m_dirList->addItem(QDir::toNativeSeparators(path));
    const QDir dir(path);
    for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        m_dirList->addItem(QStringLiteral("  ") + sub);
}

QString FileListPage::downUrl() const { return m_downEdit->text(); }
void FileListPage::setDownUrl(const QString& text) { m_downEdit->setText(text); }
QString FileListPage::upUrl() const { return m_upEdit->text(); }
void FileListPage::setUpUrl(const QString& text) { m_upEdit->setText(text); }
void FileListPage::setPlayListDate(const QDateTime& when) { m_date->setDateTime(when); }

}  // namespace q7
