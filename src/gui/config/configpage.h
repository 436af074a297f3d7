#pragma once
// The "Configuration" tab: firmware version label, the five settings pages and their buttons.
// The fields come from the setting table (config/settingtable.h); saving and opening go through
// config/configfile.h on a plain copy of the fields, so this class only moves text in and out of
// the controls, runs the enabling rules and shows errors. File values are bytes in the system's
// 8-bit code page; a value shown and left unchanged goes back to a file as the bytes it came from.

#include "core/config/configfile.h"

#include <QHash>
#include <QStringList>
#include <QWidget>
#include <initializer_list>

class QButtonGroup;
class QDateTime;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace q7 {

class Dialogs;
class TypingFilter;

class ConfigPage : public QWidget {
    Q_OBJECT
public:
    ConfigPage(Dialogs& dialogs, IniStore& store, const CodePage& codePage, QWidget* parent = nullptr);

    // Buttons.
    void saveToChosenFile();
    void openChosenFile();

    // Writes the pages to `path`, or reads `path` into them (no rules run); on failure the error is
    // shown, the pages keep their state and the result is false. An address field that is no IPv4
    // address (see config::addressProblem) is such a failure: nothing is written.
    bool saveConfigTo(const QString& path);
    bool loadConfigFrom(const QString& path);

    // The enabling rules of the four pages that have them, in their order (start-up, after opening a file).
    void runUpdateRules();

    // Only the first sheet (Network Settings) is built with the page; the other four are built
    // together when one of them is first shown, or when their fields are first read or set. Tests and
    // automation call this before looking for their controls.
    void buildSheets();

    // Change handlers.
    void wirelessKeyChanged();

    // The fields as the config file sees them, and back into the controls. Setting a list's choice
    // this way runs no change handler.
    config::FieldValues fieldValues();
    void showValues(const config::FieldValues& values);

    // The code page config files are written and read in.
    const CodePage& codePage() const { return m_kept.codePage(); }

    // Says above the pages whose configuration they hold, until another is loaded: a player's,
    // fetched at `fetched` ("Lobby 127.0.0.2, fetched 14:03"), or a file's (Open Config File).
    void showPlayerSource(const QString& name, const QString& address, const QDateTime& fetched);
    void showFileSource(const QString& path);
    // The player named there, as name and address; empty when none is.
    QStringList sourcePlayer() const { return m_sourcePlayer; }
    void clearSource();

    // A player answered: backup and restore become possible (and stay so).
    void enableBackupRestore();
    // The buttons that exchange the configuration with players; their handlers live elsewhere.
    QPushButton* backupButton() const { return m_backup; }
    QPushButton* restoreButton() const { return m_restore; }
    QPushButton* comparePlayersButton() const { return m_comparePlayers; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The version label's text as the values hold it ("Version : 3.1"); the label shows its prefix
    // in the operator's language.
    void showVersion(const QString& text);
    // `text` on the label; `path` is the file it names, if any.
    void showSource(const QString& text, const QString& path);
    // The enabling rules of one page: which fields the current choices leave enabled.
    void applyNetworkRules();
    void applyMisc1Rules();
    void applyMisc2Rules();
    void applyMisc3Rules();

    QGridLayout* addPage(QWidget* sheet, const QString& groupCaption);
    QWidget* makeField(const char* name, QWidget* parent);
    QLabel* makeLabel(const QString& text, const char* field, QWidget* parent);
    // A row of the field with its caption (config/settingtable.h) and what follows it.
    void addRow(QGridLayout* grid, const char* field, QWidget* extra = nullptr);
    QWidget* timePair(const char* hour, const QString& separator, const char* minute, QWidget* parent);
    QGroupBox* choiceGroup(const char* name, const QString& accessibleName, const QStringList& choices,
                           QButtonGroup*& buttons, QWidget* parent);
    void buildNetworkPage(QWidget* sheet);
    void buildMisc1Page(QWidget* sheet);
    void buildMisc2Page(QWidget* sheet);
    void buildMisc3Page(QWidget* sheet);
    void buildAudioVideoPage(QWidget* sheet);
    // The change handlers of the Network sheet, and of the sheets built later.
    void connectNetworkHandlers();
    void connectSheetHandlers();
    void onChoice(std::initializer_list<const char*> names, void (ConfigPage::*handler)());

    QComboBox* list(const char* name) const;
    QLineEdit* edit(const char* name) const;
    int chosen(const char* name) const;
    // Enables or disables a field together with the labels that belong to it.
    void setFieldEnabled(const char* name, bool enabled);

    Dialogs& m_dialogs;
    IniStore& m_store;
    ByteKeeper m_kept;  // the bytes every shown value was read from
    QLabel* m_version = nullptr;
    QString m_versionText;        // its text with the English prefix
    QLabel* m_source = nullptr;   // whose configuration the pages hold
    QString m_sourceText;         // its whole text, shortened to the label's width
    QStringList m_sourcePlayer;   // name and address of the player named there
    QPushButton* m_backup = nullptr;
    QPushButton* m_restore = nullptr;
    QPushButton* m_comparePlayers = nullptr;
    QLabel* m_keyLength = nullptr;
    QGroupBox* m_asciiHex = nullptr;
    QGroupBox* m_bitLength = nullptr;
    QButtonGroup* m_asciiHexButtons = nullptr;
    QButtonGroup* m_bitLengthButtons = nullptr;
    QTabWidget* m_sheets = nullptr;
    bool m_sheetsBuilt = false;
    bool m_rulesRun = false;               // the sheets built later then run theirs at once
    QHash<QString, QWidget*> m_fields;     // every list and text field by objectName
    QMultiHash<QString, QLabel*> m_labels;  // labels by the field they belong to
    TypingFilter* m_typing;                 // key filters and typing limits of the text fields
};

}  // namespace q7
