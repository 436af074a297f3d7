#include "gui/config/configpage.h"

#include "core/config/addressfields.h"

#include "gui/widgets/editablecombo.h"
#include "gui/widgets/tabcaptions.h"
#include "gui/widgets/typingfilter.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/filefilters.h"
#include "gui/platform/localpath.h"
#include "gui/platform/shownphrase.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>
#include <optional>

namespace q7 {
namespace {

using namespace config;

constexpr int kSaveFilterIndex = 2;  // Config
constexpr int kOpenFilterIndex = 1;  // Config

// Bit length choices: "None", "64 bit", "128 bit", and the key lengths the last two allow.
constexpr int kBits64 = 1;
constexpr int kBits128 = 2;
constexpr int kKeyLength64 = 10;
constexpr int kKeyLength128 = 26;

int lastItem(const char* name) { return int(fieldSpec(name).items.size()) - 1; }

// The caption of a field's row, from the setting table that q7ctl names settings by as well.
QString pageLabel(const char* field)
{
    return QCoreApplication::translate("Settings", std::string(fieldLabel(field)).c_str());
}

// Qt cuts text longer than maxLength even when a program sets it, and a file may hold any length,
// so the controls take everything and the typing limits live in the key filter.
void acceptAnyLength(QLineEdit* edit) { edit->setMaxLength(std::numeric_limits<int>::max()); }

}  // namespace

ConfigPage::ConfigPage(Dialogs& dialogs, IniStore& store, const CodePage& codePage, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_store(store), m_kept(codePage), m_typing(new TypingFilter(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    m_version = new QLabel(this);
    showVersion(QString::fromLatin1(kVersionPrefix.data(), kVersionPrefix.size()));
    m_version->setObjectName(QLatin1String(kVersionLabel.data(), kVersionLabel.size()));
    // Beside the version: whose configuration the pages hold, cut short to the room the row leaves.
    m_source = new QLabel(this);
    m_source->setObjectName(QStringLiteral("PagesSource"));
    m_source->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_source->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_source->setAccessibleName(tr("Configuration in the pages"));
    m_source->installEventFilter(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_version);
    top->addWidget(m_source, 1);
    layout->addLayout(top);

    m_sheets = new QTabWidget(this);
    m_sheets->setObjectName(QStringLiteral("ConfigPageControl"));
    fitCaptions(m_sheets);
    for (const QString& caption : {tr("Network Settings"), tr("Misc1 Settings"), tr("Misc2 Settings"),
                                   tr("Misc3 Settings"), tr("Audio/Video Settings")})
        m_sheets->addTab(new QWidget(m_sheets), caption);
    buildNetworkPage(m_sheets->widget(0));
    connect(m_sheets, &QTabWidget::currentChanged, this, &ConfigPage::buildSheets);
    layout->addWidget(m_sheets, 1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    const auto addButton = [&](const char* name, const QString& caption, int row, int column) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        buttons->addWidget(button, row, column);
        return button;
    };
    connect(addButton("SaveConfigFile", tr("Sa&ve Config File"), 0, 0), &QPushButton::clicked, this,
            &ConfigPage::saveToChosenFile);
    connect(addButton("OpenConfigFile", tr("&Open Config File"), 0, 1), &QPushButton::clicked, this,
            &ConfigPage::openChosenFile);
    // Backup and restore talk to a player; they stay disabled until one answers.
    m_backup = addButton("BackupButton", tr("&Backup config.conf from Q7"), 1, 0);
    m_restore = addButton("RestoreButton", tr("&Restore config.conf to Q7"), 1, 1);
    m_comparePlayers = addButton("ComparePlayersButton", tr("&Compare players"), 1, 2);
    for (QPushButton* button : {m_backup, m_restore, m_comparePlayers})
        button->setEnabled(false);
    layout->addLayout(buttons);

    connectNetworkHandlers();
}

void ConfigPage::buildSheets()
{
    if (m_sheetsBuilt)
        return;
    m_sheetsBuilt = true;
    buildMisc1Page(m_sheets->widget(1));
    buildMisc2Page(m_sheets->widget(2));
    buildMisc3Page(m_sheets->widget(3));
    buildAudioVideoPage(m_sheets->widget(4));
    connectSheetHandlers();
    if (m_rulesRun) {
        applyMisc1Rules();
        applyMisc2Rules();
        applyMisc3Rules();
    }
}

void ConfigPage::showPlayerSource(const QString& name, const QString& address, const QDateTime& fetched)
{
    // The day only when it was not today.
    const QString when = fetched.toString(fetched.date() == QDate::currentDate() ? QStringLiteral("hh:mm")
                                                                                 // untranslated: a date format
                                                                                 : QStringLiteral("yyyy-MM-dd hh:mm"));
    //: Whose configuration the pages hold: %1 player name, %2 its IP address, %3 the time it was fetched.
    showSource(tr("%1 %2, fetched %3").arg(name, address, when), {});
    m_sourcePlayer = {name, address};
}

void ConfigPage::showVersion(const QString& text)
{
    m_versionText = text;
    const QString english = QString::fromLatin1(kVersionPrefix.data(), kVersionPrefix.size());
    m_version->setText(text.startsWith(english)
                           ? QCoreApplication::translate("Settings", kVersionPrefix.data()) + text.mid(english.size())
                           : text);
}

void ConfigPage::showFileSource(const QString& path) { showSource(QFileInfo(path).fileName(), path); }

void ConfigPage::clearSource() { showSource({}, {}); }

void ConfigPage::showSource(const QString& text, const QString& path)
{
    m_sourceText = text;
    m_sourcePlayer.clear();
    // The label may be cut short; its tooltip says it all.
    const QString whole = text.isEmpty() ? QString()
                                         //: %1 is a player ("Lobby 127.0.0.2, fetched 14:03") or a file path.
                                         : tr("The pages hold the configuration of %1.")
                                               .arg(path.isEmpty() ? text : QDir::toNativeSeparators(path));
    m_source->setToolTip(whole);
    m_source->setAccessibleDescription(whole);
    m_source->setText(m_source->fontMetrics().elidedText(text, Qt::ElideMiddle, m_source->width()));
}

bool ConfigPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_source && event->type() == QEvent::Resize)
        m_source->setText(m_source->fontMetrics().elidedText(m_sourceText, Qt::ElideMiddle, m_source->width()));
    return QWidget::eventFilter(watched, event);
}

void ConfigPage::enableBackupRestore()
{
    for (QPushButton* button : {m_backup, m_restore, m_comparePlayers})
        button->setEnabled(true);
}

// ---- Building the pages ----

QGridLayout* ConfigPage::addPage(QWidget* sheet, const QString& groupCaption)
{
    auto* outer = new QVBoxLayout(sheet);
    outer->setContentsMargins(4, 4, 4, 4);
    auto* group = new QGroupBox(groupCaption, sheet);
    outer->addWidget(group);
    group->show();  // the sheet may be on screen already when it is built
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(2, 1);
    return grid;
}

QWidget* ConfigPage::makeField(const char* name, QWidget* parent)
{
    const FieldSpec& def = fieldSpec(name);
    QWidget* field = nullptr;
    if (def.isList()) {
        // Editable: the player takes whatever text the list shows, typed or chosen.
        auto* box = new QComboBox(parent);
        makeEditable(box);
        box->setInsertPolicy(QComboBox::NoInsert);
        for (std::string_view item : def.items)
            box->addItem(QString::fromLatin1(item.data(), item.size()));
        box->setCurrentIndex(def.defaultItem());
        acceptAnyLength(box->lineEdit());
        field = box;
    } else {
        auto* edit = new QLineEdit(QString::fromLatin1(def.defaultText.data(), def.defaultText.size()), parent);
        acceptAnyLength(edit);
        if (def.filter != Filter::None || def.typingLimit > 0)
            m_typing->attach(edit, def.filter, def.typingLimit);
        field = edit;
    }
    field->setObjectName(QLatin1String(name));
    m_fields.insert(field->objectName(), field);
    return field;
}

QLabel* ConfigPage::makeLabel(const QString& text, const char* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    m_labels.insert(QLatin1String(field), label);
    return label;
}

void ConfigPage::addRow(QGridLayout* grid, const char* field, QWidget* extra)
{
    const QString label = pageLabel(field);
    QWidget* parent = grid->parentWidget();
    QWidget* control = m_fields.contains(QLatin1String(field)) ? m_fields.value(QLatin1String(field))
                                                               : makeField(field, parent);
    QLabel* caption = makeLabel(label, field, parent);
    caption->setBuddy(control);
    control->setAccessibleName(label);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    // A field built inside a time pair brings the whole pair into the row.
    grid->addWidget(control->parentWidget() == parent ? control : control->parentWidget(), row, 1);
    if (extra)
        grid->addWidget(extra, row, 2);
}

// Hour and minute side by side; the separator belongs to the minute field, the row label to the hour.
QWidget* ConfigPage::timePair(const char* hour, const QString& separator, const char* minute, QWidget* parent)
{
    auto* pair = new QWidget(parent);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (const char* name : {hour, minute}) {
        QWidget* field = makeField(name, pair);
        field->setFixedWidth(40);
        if (name == minute)
            row->addWidget(makeLabel(separator, minute, pair));
        row->addWidget(field);
    }
    row->addStretch();
    return pair;
}

QGroupBox* ConfigPage::choiceGroup(const char* name, const QString& accessibleName, const QStringList& choices,
                                   QButtonGroup*& buttons, QWidget* parent)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    group->setAccessibleName(accessibleName);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 2);
    buttons = new QButtonGroup(group);
    for (int i = 0; i < choices.size(); ++i) {
        auto* button = new QRadioButton(choices[i], group);
        button->setChecked(i == 0);
        buttons->addButton(button, i);
        row->addWidget(button);
    }
    return group;
}

void ConfigPage::buildNetworkPage(QWidget* sheet)
{
    QGridLayout* grid = addPage(sheet, tr("NETWORK Settings"));
    QWidget* group = grid->parentWidget();
    addRow(grid, "NetWorkType");
    addRow(grid, "AutomaticIP");
    addRow(grid, "IPAddress");
    addRow(grid, "IPMask");
    addRow(grid, "IPGateway");
    addRow(grid, "IPPrimaryDNS");
    addRow(grid, "IPSecondaryDNS");

    auto* choices = new QHBoxLayout;
    //: The wireless key's type: written as text (Ascii) or as hexadecimal digits (Hex).
    m_asciiHex = choiceGroup("Ascii_Hex_RadioGroup", tr("Key type"), {tr("Ascii"), tr("Hex")}, m_asciiHexButtons,
                             group);
    //: Length of the wireless (WEP) key: none, 64 or 128 bits.
    m_bitLength = choiceGroup("BitLengthRadioGroup", tr("Bit length"), {tr("None"), tr("64 bit"), tr("128 bit")},
                              m_bitLengthButtons, group);
    choices->addWidget(m_asciiHex, 2);
    choices->addWidget(m_bitLength, 3);
    grid->addLayout(choices, grid->rowCount(), 0, 1, 3);

    addRow(grid, "WirelessSSID");
    addRow(grid, "WirelessKEY");
    m_keyLength = new QLabel(tr("(0 character)"), group);
    m_keyLength->setObjectName(QStringLiteral("KeyLengthLabel"));
    m_keyLength->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_keyLength, grid->rowCount(), 1);

    addRow(grid, "PC1Address");
    addRow(grid, "PC1Dir");
    addRow(grid, "PC2Address");
    addRow(grid, "PC2Dir");
    grid->setRowStretch(grid->rowCount(), 1);
}

void ConfigPage::buildMisc1Page(QWidget* sheet)
{
    QGridLayout* grid = addPage(sheet, tr("MISC1 Settings"));
    QWidget* group = grid->parentWidget();
    addRow(grid, "TimeZone");
    QWidget* ntpAddress = makeField("NTPServerIP", group);
    ntpAddress->setAccessibleName(tr("NTP Server address"));
    addRow(grid, "NTPServer", ntpAddress);
    addRow(grid, "PlayList");
    addRow(grid, "PlayListPath");
    addRow(grid, "DownloadList");
    const QString timeLabel = pageLabel("DownloadTime");
    QWidget* time = timePair("DownloadTimeHour", QStringLiteral(":"), "DownloadTimeMin", group);
    addRow(grid, "DownloadTime", time);
    //: Accessible name of the hour field of a time; %1 is the row's caption ("Download List Time :").
    m_fields.value(QStringLiteral("DownloadTimeHour"))->setAccessibleName(tr("%1 hour").arg(timeLabel));
    m_fields.value(QStringLiteral("DownloadTimeMin"))->setAccessibleName(tr("%1 minute").arg(timeLabel));
    addRow(grid, "DownloadPath");
    grid->setRowStretch(grid->rowCount(), 1);
}

void ConfigPage::buildMisc2Page(QWidget* sheet)
{
    QGridLayout* grid = addPage(sheet, tr("MISC2 Settings"));
    QWidget* group = grid->parentWidget();
    addRow(grid, "PlayMode");
    addRow(grid, "RemoteCommandPath");
    addRow(grid, "AutoOnOff");
    const struct {
        const char* hour;
        const char* minute;
    } powerTimes[] = {{"PowerOnTimeHour", "PowerOnTimeMin"}, {"PowerOffTimeHour", "PowerOffTimeMin"}};
    for (const auto& power : powerTimes) {
        const QString label = pageLabel(power.hour);
        timePair(power.hour, QStringLiteral(" :"), power.minute, group);
        addRow(grid, power.hour);
        m_fields.value(QLatin1String(power.minute))->setAccessibleName(tr("%1 minute").arg(label));
    }
    grid->setRowStretch(grid->rowCount(), 1);
}

void ConfigPage::buildMisc3Page(QWidget* sheet)
{
    QGridLayout* grid = addPage(sheet, tr("MISC3 Settings"));
    QWidget* group = grid->parentWidget();
    // The settings that only some players honour carry this note.
    const QString editionNote = tr("(not honoured by every player edition)");
    const auto note = [&](const QString& text, const char* field) {
        QLabel* label = field ? makeLabel(text, field, group) : new QLabel(text, group);
        label->setWordWrap(true);
        return label;
    };
    addRow(grid, "OSDOnOff");
    addRow(grid, "ScrollingText");
    addRow(grid, "ScrollingTextColor", note(editionNote, nullptr));
    makeField("ScrollingTextSpeed", group)->setMaximumWidth(40);
    addRow(grid, "ScrollingTextSpeed", note(QStringLiteral("( 1~ 3 )"), "ScrollingTextSpeed"));
    makeField("Volume", group)->setMaximumWidth(40);
    addRow(grid, "Volume", note(QStringLiteral("( 0~31 )"), "Volume"));
    addRow(grid, "PasswordOfSetupMenu");
    addRow(grid, "HighQualityJPEG", note(editionNote, nullptr));
    addRow(grid, "ScreenMode", note(editionNote, nullptr));
    grid->setRowStretch(grid->rowCount(), 1);
}

void ConfigPage::buildAudioVideoPage(QWidget* sheet)
{
    QGridLayout* grid = addPage(sheet, tr("AUDIO/VIDEO Settings"));
    addRow(grid, "SPDIFOut");
    addRow(grid, "SpeakersOut");
    addRow(grid, "TVType");
    addRow(grid, "YPbPrStandard");
    addRow(grid, "TVStandard");
    addRow(grid, "VideoConnector");
    addRow(grid, "VGAStandard");
    grid->setRowStretch(grid->rowCount(), 1);
}

// The handlers follow the operator's choices; showValues blocks the lists' signals, so a file
// that is opened moves no rule until the update operations run.
void ConfigPage::onChoice(std::initializer_list<const char*> names, void (ConfigPage::*handler)())
{
    for (const char* name : names)
        connect(list(name), &QComboBox::currentIndexChanged, this, handler);
}

void ConfigPage::connectSheetHandlers()
{
    onChoice({"NTPServer", "PlayList", "DownloadList", "DownloadTime"}, &ConfigPage::applyMisc1Rules);
    onChoice({"AutoOnOff"}, &ConfigPage::applyMisc2Rules);
    onChoice({"ScrollingText"}, &ConfigPage::applyMisc3Rules);
}

void ConfigPage::connectNetworkHandlers()
{
    onChoice({"NetWorkType", "AutomaticIP"}, &ConfigPage::applyNetworkRules);
    for (QButtonGroup* group : {m_asciiHexButtons, m_bitLengthButtons})
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked)
                applyNetworkRules();
        });
    connect(edit("WirelessKEY"), &QLineEdit::textChanged, this, &ConfigPage::wirelessKeyChanged);
}

// ---- Fields ----

QComboBox* ConfigPage::list(const char* name) const
{
    return static_cast<QComboBox*>(m_fields.value(QLatin1String(name)));
}

QLineEdit* ConfigPage::edit(const char* name) const
{
    return static_cast<QLineEdit*>(m_fields.value(QLatin1String(name)));
}

int ConfigPage::chosen(const char* name) const { return list(name)->currentIndex(); }

void ConfigPage::setFieldEnabled(const char* name, bool enabled)
{
    m_fields.value(QLatin1String(name))->setEnabled(enabled);
    for (QLabel* label : m_labels.values(QLatin1String(name)))
        label->setEnabled(enabled);
}

FieldValues ConfigPage::fieldValues()
{
    buildSheets();
    FieldValues values;
    for (const FieldSpec& def : fieldSpecs()) {
        QWidget* field = m_fields.value(QLatin1String(def.name.data(), def.name.size()));
        FieldValue& value = values[std::string(def.name)];
        if (auto* box = qobject_cast<QComboBox*>(field))
            value = {m_kept.encode(def.name, box->currentText().toStdU16String()), box->currentIndex()};
        else
            value.text = m_kept.encode(def.name, static_cast<QLineEdit*>(field)->text().toStdU16String());
    }
    values[std::string(kVersionLabel)].text = m_kept.encode(kVersionLabel, m_versionText.toStdU16String());
    return values;
}

void ConfigPage::showValues(const FieldValues& values)
{
    buildSheets();
    for (const auto& [name, value] : values) {
        const QString text = QString::fromStdU16String(m_kept.decode(name, value.text));
        if (name == kVersionLabel) {
            showVersion(text);
            continue;
        }
        QWidget* field = m_fields.value(QString::fromStdString(name));
        if (auto* box = qobject_cast<QComboBox*>(field)) {
            const QSignalBlocker quiet(box);
            if (box->currentIndex() != value.chosen)
                box->setCurrentIndex(value.chosen);
            if (box->currentText() != text)
                box->setEditText(text);
        } else if (auto* line = qobject_cast<QLineEdit*>(field); line && line->text() != text) {
            line->setText(text);  // the wireless key's length label follows
        }
    }
}

// ---- Save and open ----

void ConfigPage::saveToChosenFile()
{
    const std::optional<QString> target =
        m_dialogs.saveFileName(saveFileFilter(), kSaveFilterIndex, QStringLiteral("config.conf"));
    if (target && !target->isEmpty())
        saveConfigTo(*target);
}

bool ConfigPage::saveConfigTo(const QString& path)
{
    FieldValues values = fieldValues();
    // A player told to use an address that is none would be cut off: nothing is written.
    if (const Phrase problem = addressProblem(values); !problem.empty()) {
        //: %1 says which address is wrong.
        m_dialogs.showMessage(tr("%1\n\nNothing was written or sent.").arg(shownText(problem)));
        return false;
    }
    std::optional<QString> error;
    try {
        saveConfigFile(m_store, localPath(path), values, m_kept.codePage());
    } catch (const IniError& e) {
        error = shownText(e.phrase());
    }
    showValues(values);  // the scheduled time as it was normalised
    if (error)
        m_dialogs.showError(*error);
    return !error;
}

void ConfigPage::openChosenFile()
{
    const std::optional<QString> source = m_dialogs.openFileName(openFileFilter(), kOpenFilterIndex, QString());
    if (source && !source->isEmpty() && !loadConfigFrom(*source))
        return;  // nothing was changed, so the enabled states still fit
    if (source && !source->isEmpty())
        showFileSource(*source);
    runUpdateRules();
}

bool ConfigPage::loadConfigFrom(const QString& path)
{
    FieldValues values = fieldValues();
    try {
        openConfigFile(localPath(path), values, m_kept.codePage());
    } catch (const IniError& e) {
        m_dialogs.showError(shownText(e.phrase()));
        return false;
    }
    showValues(values);
    return true;
}

// ---- Rules ----

void ConfigPage::runUpdateRules()
{
    m_rulesRun = true;
    applyNetworkRules();
    if (!m_sheetsBuilt)
        return;  // they run theirs when built
    applyMisc1Rules();
    applyMisc2Rules();
    applyMisc3Rules();
}

void ConfigPage::applyNetworkRules()
{
    const bool networkOn = chosen("NetWorkType") != 0;
    m_asciiHex->setEnabled(false);  // the key type is never offered
    m_bitLength->setEnabled(networkOn);
    setFieldEnabled("WirelessSSID", networkOn);
    setFieldEnabled("WirelessKEY", networkOn);
    if (networkOn) {
        // Without a bit length there is no key; a new limit never cuts a key already there.
        const int bits = m_bitLengthButtons->checkedId();
        if (bits == kBits64 || bits == kBits128)
            m_typing->setLimit(edit("WirelessKEY"), bits == kBits64 ? kKeyLength64 : kKeyLength128);
        edit("WirelessKEY")->setEnabled(bits == kBits64 || bits == kBits128);
    }
    const bool manualAddress = chosen("AutomaticIP") != 0;
    setFieldEnabled("IPAddress", manualAddress);
    setFieldEnabled("IPMask", manualAddress);
}

void ConfigPage::applyMisc1Rules()
{
    edit("NTPServerIP")->setEnabled(chosen("NTPServer") == lastItem("NTPServer"));  // "Others"
    setFieldEnabled("PlayListPath", chosen("PlayList") != 0);
    const bool downloads = chosen("DownloadList") != 0;
    setFieldEnabled("DownloadTime", downloads);
    setFieldEnabled("DownloadPath", downloads);
    // Follows the "Schedule" choice even while the list itself is disabled.
    const bool scheduled = chosen("DownloadTime") == lastItem("DownloadTime");
    setFieldEnabled("DownloadTimeHour", scheduled);
    setFieldEnabled("DownloadTimeMin", scheduled);
}

void ConfigPage::applyMisc2Rules()
{
    const bool automatic = chosen("AutoOnOff") != 0;
    for (const char* name : {"PowerOnTimeHour", "PowerOnTimeMin", "PowerOffTimeHour", "PowerOffTimeMin"})
        setFieldEnabled(name, automatic);
}

void ConfigPage::applyMisc3Rules()
{
    const bool scrolling = chosen("ScrollingText") != 0;
    setFieldEnabled("ScrollingTextColor", scrolling);
    setFieldEnabled("ScrollingTextSpeed", scrolling);
}

void ConfigPage::wirelessKeyChanged()
{
    m_keyLength->setText(tr("( %1 character)").arg(edit("WirelessKEY")->text().size()));
}

}  // namespace q7
