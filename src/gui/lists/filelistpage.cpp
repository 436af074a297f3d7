#include "gui/lists/filelistpage.h"

#include "core/base/textfile.h"
#include "core/lists/listfiles.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/filefilters.h"
#include "gui/platform/localpath.h"
#include "gui/platform/shownphrase.h"
#include "gui/widgets/colors.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace q7 {
namespace {

constexpr int kOpenTextFilter = 3;
constexpr int kSaveListFilter = 3;
constexpr int kCaptionLimit = 29;  // longer roots show "../" and their last 26 characters

using lists::ListKind;

// The name a list of `kind` is saved under (a play list's, by the single naming).
QString listName(ListKind kind)
{
    const std::string_view name = lists::listKind(kind).fileName;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QStringList texts(const QListWidget* list)
{
    QStringList result;
    result.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

QButtonGroup* radioColumn(QGroupBox* box, const QStringList& captions, int columns)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], box);
        button->setChecked(i == 0);
        group->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns);
    }
    return group;
}

QSpinBox* timeField(const char* name, int maximum, const QString& accessibleName, QWidget* parent)
{
    auto* field = new QSpinBox(parent);
    field->setObjectName(QLatin1String(name));
    field->setRange(0, maximum);
    field->setAccessibleName(accessibleName);
    return field;
}

QPushButton* button(const char* name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    return b;
}

}  // namespace

FileListPage::FileListPage(Dialogs& dialogs, const CodePage& codePage, std::function<QString()> localAddress,
                           QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_codePage(codePage), m_localAddress(std::move(localAddress))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    buildUpperHalf();
    buildLowerHalf();
}

void FileListPage::buildUpperHalf()
{
    auto* top = new QGridLayout;
    top->setVerticalSpacing(2);
    //: Button that chooses the local folder the lists are made from; it then shows that folder.
    m_rootButton = button("SetRootBtn", tr("Root Path"), tr("Reload local file"), this);
    //: Opens the file lists fetched from the players (Q7files is their name).
    auto* remote = button("RemoteBtn", tr("&Open Q7files"), tr("Reload remote file"), this);
    top->addWidget(m_rootButton, 0, 0);
    top->addWidget(remote, 0, 2);

    auto makeList = [this](const char* name, const QString& caption) {
        auto* list = new QListWidget(this);
        list->setObjectName(QLatin1String(name));
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setUniformItemSizes(true);
        list->setAccessibleName(caption.trimmed());
        return list;
    };
    const QString sourceCaption = tr("Source List : ");
    const QString destinationCaption = tr("Destination List :  ");
    m_source = makeList("PreviewListBox", sourceCaption);
    m_destination = makeList("CreatListBox", destinationCaption);
    top->addWidget(new QLabel(sourceCaption, this), 1, 0);
    top->addWidget(new QLabel(destinationCaption, this), 1, 2);
    top->addWidget(m_source, 2, 0, 2, 1);
    top->addWidget(m_destination, 2, 2);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (const auto& [name, caption, hint, handler] :
         {std::tuple{"AddFileBtn", tr("&Add File(s)"), tr("Add to list"), &FileListPage::addChosenFiles},
          {"DelBtn", tr("&Delete File(s)"), tr("Delete from list"), &FileListPage::removeChosenEntries},
          {"AddAllBtn", tr("Add A&ll Files"), tr("Add all file to list"), &FileListPage::addAllFiles},
          {"DelAllBtn", tr("Delete All F&iles"), tr("Delete all file from list"), &FileListPage::removeAllEntries}}) {
        QPushButton* b = button(name, caption, hint, this);
        connect(b, &QPushButton::clicked, this, handler);
        moves->addWidget(b);
    }
    moves->addStretch();
    top->addLayout(moves, 2, 1, 2, 1);

    auto* modifyRow = new QHBoxLayout;
    m_modifyEdit = new QLineEdit(this);
    m_modifyEdit->setObjectName(QStringLiteral("ModifyEdit"));
    m_modifyEdit->setAccessibleName(tr("Destination entry"));
    m_modifyEdit->setMaxLength(std::numeric_limits<int>::max());
    m_modifyButton = button("ModifyButton", tr("&Modify"), QString(), this);
    m_modifyButton->setEnabled(false);
    modifyRow->addWidget(m_modifyEdit, 1);
    modifyRow->addWidget(m_modifyButton);
    top->addLayout(modifyRow, 3, 2);
    top->setColumnStretch(0, 1);
    top->setColumnStretch(2, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(top, 1);

    connect(m_rootButton, &QPushButton::clicked, this, &FileListPage::chooseRoot);
    connect(remote, &QPushButton::clicked, this, &FileListPage::openRemoteListing);
    connect(m_destination, &QListWidget::itemClicked, this, &FileListPage::editChosenEntry);
    connect(m_modifyButton, &QPushButton::clicked, this, &FileListPage::modifyEntry);
}

FileListPage::ServerGroup FileListPage::buildServerGroup(const char* prefix, const QString& caption)
{
    const QString p = QLatin1String(prefix);
    ServerGroup g;
    g.box = new QGroupBox(caption, this);
    g.box->setObjectName(p + QStringLiteral("GroupBox"));
    auto* grid = new QGridLayout(g.box);
    grid->setContentsMargins(6, 2, 6, 2);
    g.useLocal = new QCheckBox(tr("Use Local IP Address   "), g.box);
    g.useLocal->setObjectName(p + QStringLiteral("DefinationCheck"));
    g.http = new QRadioButton(QStringLiteral("HTTP"), g.box);
    g.http->setObjectName(p + QStringLiteral("HTTPSelect"));
    g.http->setChecked(true);
    g.ftp = new QRadioButton(QStringLiteral("FTP"), g.box);
    g.ftp->setObjectName(p + QStringLiteral("FTPSelect"));
    g.http->setEnabled(false);
    g.ftp->setEnabled(false);
    g.urlLabel = new QLabel(tr("Server URL :"), g.box);
    g.url = new QLineEdit(g.box);
    g.url->setObjectName(p + QStringLiteral("Edit"));  // untranslated: an objectName
    g.url->setMaxLength(std::numeric_limits<int>::max());  // a stored address is kept whole
    g.urlLabel->setBuddy(g.url);
    g.url->setAccessibleName(g.urlLabel->text());
    auto* choices = new QHBoxLayout;
    choices->addWidget(g.http, 1);
    choices->addWidget(g.ftp, 1);
    grid->addWidget(g.useLocal, 0, 0, 1, 2);
    grid->addLayout(choices, 1, 0, 1, 2);
    grid->addWidget(g.urlLabel, 2, 0);
    grid->addWidget(g.url, 2, 1);
    g.box->hide();
    connect(g.useLocal, &QCheckBox::clicked, this, &FileListPage::definitionToggled);
    return g;
}

void FileListPage::buildLowerHalf()
{
    // A fixed height keeps the lists still while the setup groups take turns.
    auto* lowerHalf = new QWidget(this);
    lowerHalf->setFixedHeight(150);
    auto* lower = new QGridLayout(lowerHalf);
    lower->setContentsMargins(0, 0, 0, 0);
    lower->setVerticalSpacing(2);
    auto* modeBox = new QGroupBox(lowerHalf);
    modeBox->setObjectName(QStringLiteral("ListModeGroup"));
    modeBox->setAccessibleName(tr("List kind"));
    // One button per list kind, in the order of lists::kListKinds: a button's id is its kind.
    m_listMode = radioColumn(modeBox, {tr("Play List"), tr("Download List"), tr("Upload List"), tr("Delete List")}, 1);
    lower->addWidget(modeBox, 0, 0);

    m_playBox = new QGroupBox(tr("Play List SETUP"), lowerHalf);
    m_playBox->setObjectName(QStringLiteral("PlayListGroupBox"));
    auto* play = new QGridLayout(m_playBox);
    play->setContentsMargins(6, 2, 6, 2);
    play->setVerticalSpacing(2);
    m_playNamingBox = new QGroupBox(m_playBox);
    m_playNamingBox->setObjectName(QStringLiteral("PlayListGroup"));
    m_playNamingBox->setAccessibleName(tr("Play list naming"));
    //: How the play list is named: one list, or one by date, time, date and time, or a title list.
    m_playNaming = radioColumn(m_playNamingBox,
                               {tr("Single"), tr("Date"), tr("Time"), tr("Date and Time"), tr("Title List")}, 3);
    play->addWidget(m_playNamingBox, 0, 0, 1, 6);
    m_date = new QDateTimeEdit(m_playBox);
    m_date->setObjectName(QStringLiteral("DateTimePicker1"));
    m_date->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));  // untranslated: a date format
    m_date->setCalendarPopup(true);
    m_date->setAccessibleName(tr("Play list date"));
    play->addWidget(m_date, 1, 0, 1, 6);
    auto timeRow = [&](int row, const QString& caption, QSpinBox*& hour, const char* hourName, QSpinBox*& minute,
                       const char* minuteName) {
        auto* label = new QLabel(caption, m_playBox);
        //: Accessible name of the hour field of a time; %1 is the row's caption ("Start Time :").
        hour = timeField(hourName, 23, tr("%1 hour").arg(caption), m_playBox);
        //: Accessible name of the minute field of a time; %1 is the row's caption ("Start Time :").
        minute = timeField(minuteName, 59, tr("%1 minute").arg(caption), m_playBox);
        label->setBuddy(hour);
        auto* colon = new QLabel(QStringLiteral(":"), m_playBox);
        setColor(colon, QPalette::WindowText, Qt::red);
        play->addWidget(label, row, 0);
        play->addWidget(hour, row, 1);
        play->addWidget(colon, row, 2);
        play->addWidget(minute, row, 3);
    };
    timeRow(2, tr("Start Time :"), m_startHour, "StartHour", m_startMin, "StartMin");
    timeRow(3, tr("End Time :"), m_endHour, "EndHour", m_endMin, "EndMin");
    play->setColumnStretch(5, 1);
    lower->addWidget(m_playBox, 0, 1, 2, 1);

    m_down = buildServerGroup("Down", tr("Down List SETUP"));  // untranslated: "Down" begins objectNames
    m_up = buildServerGroup("Up", tr("Upload List SETUP"));
    lower->addWidget(m_down.box, 0, 1, 2, 1);
    lower->addWidget(m_up.box, 0, 1, 2, 1);

    m_saveButton = button("SaveListBtn", listName(ListKind::Play), tr("Save play list to Disk"), lowerHalf);
    lower->addWidget(m_saveButton, 1, 0);
    lower->setColumnStretch(1, 1);
    layout()->addWidget(lowerHalf);

    connect(m_listMode, &QButtonGroup::idClicked, this, &FileListPage::listModeChanged);
    connect(m_playNaming, &QButtonGroup::idClicked, this, &FileListPage::playListNamingChanged);
    connect(m_date, &QDateTimeEdit::dateChanged, this, &FileListPage::playListDateChanged);
    connect(m_saveButton, &QPushButton::clicked, this, &FileListPage::saveList);
}

void FileListPage::setDirectory(const QString& path) { m_directory = path; }

QString FileListPage::downUrl() const { return m_down.url->text(); }
void FileListPage::setDownUrl(const QString& text) { m_down.url->setText(text); }
QString FileListPage::upUrl() const { return m_up.url->text(); }
void FileListPage::setUpUrl(const QString& text) { m_up.url->setText(text); }
void FileListPage::setPlayListDate(const QDateTime& when)
{
    const QSignalBlocker quiet(m_date);  // setting the date is no operator change
    m_date->setDateTime(when);
}

void FileListPage::chooseRoot()
{
    if (const std::optional<QString> folder = m_dialogs.chooseFolder(tr("Root Path"), m_directory)) {
        setDirectory(QDir::cleanPath(*folder));
        m_rootButton->setText(m_directory.size() <= kCaptionLimit
                                  ? m_directory
                                  : QStringLiteral("../") + m_directory.right(kCaptionLimit - 3));
    }
    reloadSourceList();
}

void FileListPage::reloadSourceList()
{
    m_source->clear();
    m_destination->clear();
    QStringList entries;
    for (const std::string& entry : lists::scanListRoot(localPath(m_directory)))
        entries << fromLocalPath(entry);
    m_source->addItems(entries);
}

void FileListPage::moveSelected(QListWidget* from, QListWidget* to)
{
    QList<QListWidgetItem*> selected = from->selectedItems();
    std::sort(selected.begin(), selected.end(),
              [from](QListWidgetItem* a, QListWidgetItem* b) { return from->row(a) < from->row(b); });
    for (QListWidgetItem* item : selected)
        to->addItem(item->text());
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        delete from->takeItem(from->row(*it));
}

void FileListPage::addChosenFiles() { moveSelected(m_source, m_destination); }
void FileListPage::removeChosenEntries() { moveSelected(m_destination, m_source); }

void FileListPage::addAllFiles()
{
    m_source->selectAll();
    moveSelected(m_source, m_destination);
}

void FileListPage::removeAllEntries()
{
    m_destination->selectAll();
    moveSelected(m_destination, m_source);
}

void FileListPage::editChosenEntry()
{
    if (const QListWidgetItem* item = m_destination->currentItem()) {
        m_modifyEdit->setText(item->text());
        m_modifyButton->setEnabled(true);
    }
}

void FileListPage::modifyEntry()
{
    if (QListWidgetItem* item = m_destination->currentItem()) {
        item->setText(m_modifyEdit->text());
        m_modifyButton->setEnabled(false);
    }
    m_modifyEdit->clear();
}

void FileListPage::openRemoteListing()
{
    if (const std::optional<QString> chosen = m_dialogs.openFileName(openFileFilter(), kOpenTextFilter,
                                                                      m_lastListing))
        m_lastListing = *chosen;
    if (m_lastListing.isEmpty() || !QFileInfo(m_lastListing).isFile())
        return;

    std::string bytes;
    try {
        bytes = readTextFile(localPath(m_lastListing));
    } catch (const FileError& e) {
        m_dialogs.showError(shownText(e.phrase()));
        return;
    }
    m_source->clear();
    QStringList entries;
    for (const std::string& entry : lists::parseListing(bytes))
        entries << fromEightBit(entry);
    m_source->addItems(entries);
}

QString FileListPage::currentPlayListName() const
{
    const QDate day = m_date->date();
    const lists::PlayWindow when{day.year(),         day.month(),         day.day(),          m_startHour->value(),
                                 m_startMin->value(), m_endHour->value(), m_endMin->value()};
    return QString::fromStdString(lists::playListName(lists::PlayNaming(m_playNaming->checkedId()), when));
}

void FileListPage::listModeChanged()
{
    const auto kind = ListKind(m_listMode->checkedId());
    m_playBox->setVisible(kind == ListKind::Play || kind == ListKind::Delete);
    m_down.box->setVisible(kind == ListKind::Download);
    m_up.box->setVisible(kind == ListKind::Upload);
    switch (kind) {
    case ListKind::Play:
        m_playNamingBox->setEnabled(true);
        playListNamingChanged();
        break;
    case ListKind::Download:
    case ListKind::Upload: {
        // The local address enters the captions now; a later choice counts from the next mode switch.
        ServerGroup& group = kind == ListKind::Download ? m_down : m_up;
        group.http->setText(QStringLiteral("http://") + m_localAddress());
        group.ftp->setText(QStringLiteral("ftp://") + m_localAddress());
        m_saveButton->setText(listName(kind));
        break;
    }
    case ListKind::Delete:
        m_playNamingBox->setEnabled(false);
        m_saveButton->setText(listName(kind));
        break;
    }
}

void FileListPage::playListNamingChanged() { m_saveButton->setText(currentPlayListName()); }

void FileListPage::playListDateChanged()
{
    const QString path = QDir(m_directory).filePath(currentPlayListName());
    m_saveButton->setText(QFileInfo(path).fileName());
    m_saveButton->setToolTip(path);
}

void FileListPage::definitionToggled()
{
    for (ServerGroup* g : {&m_down, &m_up}) {
        const bool local = g->useLocal->isChecked();
        g->url->setEnabled(!local);
        g->urlLabel->setEnabled(!local);
        g->http->setEnabled(local);
        g->ftp->setEnabled(local);
    }
}

std::optional<QString> FileListPage::serverBase(const ServerGroup& group) const
{
    if (!group.useLocal->isChecked())
        return group.url->text();
    if (group.http->isChecked())
        return group.http->text();
    if (group.ftp->isChecked())
        return group.ftp->text();
    return std::nullopt;
}

QStringList FileListPage::buildServerLines(ServerGroup& group, bool upload)
{
    group.url->setText(QString::fromStdString(lists::withoutTrailingSlash(group.url->text().toStdString())));
    const std::optional<QString> base = serverBase(group);
    if (!base)
        return {};
    const std::vector<std::string> entries = toEightBit(destinationEntries());
    const std::string baseBytes = toEightBit(*base);
    QStringList lines;
    for (const std::string& line :
         upload ? lists::uploadLines(entries, baseBytes) : lists::downloadLines(entries, baseBytes))
        lines << fromEightBit(line);
    return lines;
}

// List files and listings are 8-bit text; local file names are the file system's own bytes.
QString FileListPage::fromEightBit(const std::string& bytes) const
{
    return QString::fromStdU16String(m_codePage.decode(bytes));
}

std::string FileListPage::toEightBit(const QString& text) const { return m_codePage.encode(text.toStdU16String()); }

std::vector<std::string> FileListPage::toEightBit(const QStringList& texts) const
{
    std::vector<std::string> result;
    result.reserve(size_t(texts.size()));
    for (const QString& text : texts)
        result.push_back(toEightBit(text));
    return result;
}

QStringList FileListPage::destinationEntries() const { return texts(m_destination); }

void FileListPage::saveList()
{
    const auto kind = ListKind(m_listMode->checkedId());
    switch (kind) {
    case ListKind::Play:
        writeList(currentPlayListName(), destinationEntries());
        break;
    case ListKind::Download:
        writeList(listName(kind), buildServerLines(m_down, false));
        break;
    case ListKind::Upload:
        writeList(listName(kind), buildServerLines(m_up, true));
        break;
    case ListKind::Delete:
        writeList(listName(kind), destinationEntries());
        break;
    }
}

void FileListPage::writeList(const QString& proposedName, const QStringList& lines)
{
    const std::optional<QString> target = m_dialogs.saveFileName(saveFileFilter(), kSaveListFilter,
                                                                  QDir(m_directory).filePath(proposedName));
    if (!target)
        return;
    try {
        replaceTextFile(localPath(*target), lists::listFileBytes(toEightBit(lines)));
    } catch (const FileError& e) {
        m_dialogs.showError(shownText(e.phrase()));
    }
}

}  // namespace q7
