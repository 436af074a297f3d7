#pragma once
// The "File List Manager" tab: the folder chooser under the list root, the server address fields
// of the download and upload lists, and the play-list date.

#include <QString>
#include <QWidget>

class QDateTimeEdit;
class QLineEdit;
class QListWidget;

namespace q7 {

class FileListPage : public QWidget {
    Q_OBJECT
public:
    explicit FileListPage(QWidget* parent = nullptr);

    QString directory() const { return m_directory; }
    void setDirectory(const QString& path);
    QString downUrl() const;
    void setDownUrl(const QString& text);
    QString upUrl() const;
    void setUpUrl(const QString& text);
    void setPlayListDate(const QDateTime& when);

private:
    QString m_directory;
    QListWidget* m_dirList = nullptr;
    QLineEdit* m_downEdit = nullptr;
    QLineEdit* m_upEdit = nullptr;
    QDateTimeEdit* m_date = nullptr;
};

}  // namespace q7
