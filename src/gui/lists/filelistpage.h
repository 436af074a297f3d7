#pragma once
// The "File List Manager" tab. Upper half: media files under the list root (or from a player's
// listing) are moved from the source list into the destination list and edited there. Lower half:
// the destination list is saved as a play, download, upload or delete list under its proper name.
// The rules live in lists/listfiles.h; this class reads the controls and shows the results.

#include "core/base/codepage.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace q7 {

class Dialogs;

class FileListPage : public QWidget {
    Q_OBJECT
public:
    // `localAddress` gives the current text of the main window's LocalIPBox; list files and
    // listings are 8-bit text in `codePage`.
    FileListPage(Dialogs& dialogs, const CodePage& codePage, std::function<QString()> localAddress,
                 QWidget* parent = nullptr);

    // The list root; setting it shows nothing until the operator reloads.
    QString directory() const { return m_directory; }
    void setDirectory(const QString& path);
    QString downUrl() const;
    void setDownUrl(const QString& text);
    QString upUrl() const;
    void setUpUrl(const QString& text);
    void setPlayListDate(const QDateTime& when);

    // Handlers of the upper half.
    void chooseRoot();
    void reloadSourceList();
    void addChosenFiles();
    void removeChosenEntries();
    void addAllFiles();
    void removeAllEntries();
    void editChosenEntry();
    void modifyEntry();
    void openRemoteListing();

    // Handlers of the lower half.
    void listModeChanged();
    void playListNamingChanged();
    void playListDateChanged();
    void definitionToggled();
    void saveList();

private:
    struct ServerGroup {
        QGroupBox* box = nullptr;
        QCheckBox* useLocal = nullptr;
        QRadioButton* http = nullptr;
        QRadioButton* ftp = nullptr;
        QLabel* urlLabel = nullptr;
        QLineEdit* url = nullptr;
    };

    void buildUpperHalf();
    void buildLowerHalf();
    ServerGroup buildServerGroup(const char* prefix, const QString& caption);
    // Moves the selected entries of `from` to the end of `to`, keeping their order. (A list with entries
    // always has a current one, so only the selection decides.)
    static void moveSelected(QListWidget* from, QListWidget* to);
    QString currentPlayListName() const;
    // The server base of a download or upload list; empty optional when no button is checked.
    std::optional<QString> serverBase(const ServerGroup& group) const;
    // Drops one trailing "/" from the group's Server URL, then gives the list's lines.
    QStringList buildServerLines(ServerGroup& group, bool upload);
    QString fromEightBit(const std::string& bytes) const;
    std::string toEightBit(const QString& text) const;
    std::vector<std::string> toEightBit(const QStringList& texts) const;
    QStringList destinationEntries() const;
    void writeList(const QString& proposedName, const QStringList& lines);

    Dialogs& m_dialogs;
    CodePage m_codePage;
    std::function<QString()> m_localAddress;
    QString m_directory;
    QString m_lastListing;  // the listing Open Q7files read last; a cancelled dialog reloads it

    QPushButton* m_rootButton = nullptr;
    QListWidget* m_source = nullptr;
    QListWidget* m_destination = nullptr;
    QLineEdit* m_modifyEdit = nullptr;
    QPushButton* m_modifyButton = nullptr;

    QButtonGroup* m_listMode = nullptr;
    QGroupBox* m_playBox = nullptr;
    QGroupBox* m_playNamingBox = nullptr;
    QButtonGroup* m_playNaming = nullptr;
    QDateTimeEdit* m_date = nullptr;
    QSpinBox* m_startHour = nullptr;
    QSpinBox* m_startMin = nullptr;
    QSpinBox* m_endHour = nullptr;
    QSpinBox* m_endMin = nullptr;
    ServerGroup m_down;
    ServerGroup m_up;
    QPushButton* m_saveButton = nullptr;
};

}  // namespace q7
