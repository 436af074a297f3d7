#include "gui/commands/remotecommandpage.h"

#include "core/base/textfile.h"
#include "gui/platform/localpath.h"
#include "gui/platform/shownphrase.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/filefilters.h"
#include "gui/transfer/playertransfers.h"
#include "gui/widgets/editablecombo.h"
#include "gui/widgets/typingfilter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <stdexcept>

namespace q7 {
namespace {

using namespace commands;

constexpr int kBoxWidth = 145;
constexpr int kVolumeBoxWidth = 65;  // leaves room for the Volume field beside the box

QString text(std::string_view latin) { return QString::fromLatin1(latin.data(), qsizetype(latin.size())); }

// A text of the command table (items, descriptions, group captions) in the operator's language.
QString shown(std::string_view english)
{
    // untranslated: "Commands" is the context the command table marks its texts in
    return QCoreApplication::translate("Commands", std::string(english).c_str());
}

// "Download Command" -> "Send download command": the six buttons all read "Send ", so a screen
// reader tells them apart by what they send. Capitalised words go lower case, acronyms ("OSD") stay.
QString sendButtonName(std::string_view caption)
{
    QStringList words = shown(caption).split(QLatin1Char(' '));
    for (QString& word : words)
        if (word.size() > 1 && word.mid(1) == word.mid(1).toLower())
            word = word.toLower();
    //: Accessible name of a group's Send button; %1 is the group's caption in lower case ("download command").
    return QCoreApplication::translate("RemoteCommandPage", "Send %1").arg(words.join(QLatin1Char(' ')));
}

// The question before media are erased, naming the players; a long fleet is cut short.
QString eraseQuestion(const std::vector<Target>& targets)
{
    constexpr size_t kNamed = 5;
    QStringList names;
    for (size_t i = 0; i < targets.size() && i < kNamed; ++i)
        names << QString::fromStdString(targets[i].name.empty() ? targets[i].address : targets[i].name);
    QString list = names.join(QStringLiteral(", "));
    //: %1 lists the first players by name, %2 is how many more there are.
    if (targets.size() > kNamed)
        list = QCoreApplication::translate("RemoteCommandPage", "%1 and %2 more")
                   .arg(list, QString::number(targets.size() - kNamed));
    //: %1 is the player's name or address.
    if (targets.size() == 1)
        return QCoreApplication::translate("RemoteCommandPage", "Erase all media on 1 player: %1?").arg(list);
    //: %1 is the number of players (two or more), %2 lists them by name.
    return QCoreApplication::translate("RemoteCommandPage", "Erase all media on %1 players: %2?")
        .arg(targets.size())
        .arg(list);
}

bool choosesVolume(const Group& group, int index)
{
    const Command* command = commandFor(group, index);
    return command && command->withVolume;
}

}  // namespace

RemoteCommandPage::RemoteCommandPage(PlayerTransfers& players, Dialogs& dialogs, QString scratchDir,
                                     QWidget* parent)
    : QWidget(parent), m_players(players), m_dialogs(dialogs), m_scratchDir(std::move(scratchDir))
{
    setObjectName(QStringLiteral("RemoteCommandSheet"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    int position = 0;
    for (const Group& group : groups()) {
        buildGroup(layout, group, position / 2, position % 2);
        ++position;
    }
    layout->setRowStretch(3, 1);
}

void RemoteCommandPage::buildGroup(QGridLayout* layout, const Group& group, int row, int column)
{
    auto* frame = new QGroupBox(shown(group.caption), this);
    frame->setFixedSize(238, 172);
    layout->addWidget(frame, row, column, Qt::AlignTop);

    auto* box = new QComboBox(frame);
    box->setObjectName(text(group.box));
    box->setAccessibleName(shown(group.caption));
    makeEditable(box);  // typed text is allowed, but only a chosen item is sent
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    for (const Command& command : group.commands)
        box->addItem(shown(command.item));  // the button sends by index, never by the shown text
    box->setCurrentIndex(group.initialIndex);
    if (group.initialIndex < 0)
        box->setEditText(shown(group.commands.front().item));
    box->setGeometry(8, 20, kBoxWidth, 22);

    //: Button of fixed width (70 pixels) that sends the command chosen in the list beside it.
    auto* button = new QPushButton(tr("Send "), frame);
    button->setObjectName(text(group.button));
    button->setAccessibleName(sendButtonName(group.caption));
    button->setAccessibleDescription(shown(group.caption));
    button->setGeometry(160, 19, 70, 24);

    auto* memo = new QPlainTextEdit(frame);
    memo->setObjectName(text(group.memo));
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WordWrap);
    QPalette colours = memo->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    colours.setColor(QPalette::Text, QColor(0, 128, 0));
    memo->setPalette(colours);
    QFont face(QStringLiteral("MS Sans Serif"));  // untranslated: a font family
    face.setPixelSize(11);
    memo->setFont(face);
    memo->setGeometry(8, 48, 222, 118);

    m_groups.append({&group, box, button, memo});
    if (group.id == GroupId::Osd)
        buildVolumeField(frame);

    connect(button, &QPushButton::clicked, this, [this, id = group.id] { send(id); });
    connect(box, &QComboBox::currentIndexChanged, this, [this, id = group.id] { boxChange(id); });
    // Typing makes the box's selection "none", as its description then says.
    connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box, id = group.id] {
        if (box->currentIndex() >= 0) {
            QLineEdit* line = box->lineEdit();
            const QString typed = line->text();
            const int cursor = line->cursorPosition();
            {
                const QSignalBlocker quiet(box);
                box->setCurrentIndex(-1);
            }
            line->setText(typed);
            line->setCursorPosition(cursor);
        }
        boxChange(id);
    });
}

void RemoteCommandPage::buildVolumeField(QWidget* osdGroup)
{
    m_volume = new QLineEdit(QStringLiteral("31"), osdGroup);
    m_volume->setObjectName(QStringLiteral("Edit2"));
    m_volume->setAccessibleName(tr("Volume"));
    m_volume->setMaxLength(2);
    (new TypingFilter(this))->attach(m_volume, config::Filter::Digit, 2);
    m_volume->setGeometry(8 + kVolumeBoxWidth + 4, 20, 30, 22);
    m_volume->hide();

    m_volumeRange = new QLabel(QStringLiteral("( 0~31 )"), osdGroup);
    m_volumeRange->setObjectName(QStringLiteral("Label59"));
    QPalette blue = m_volumeRange->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_volumeRange->setPalette(blue);
    m_volumeRange->setGeometry(8 + kVolumeBoxWidth + 38, 20, 46, 22);
    m_volumeRange->hide();
}

RemoteCommandPage::Controls& RemoteCommandPage::controls(GroupId id)
{
    for (Controls& c : m_groups)
        if (c.group->id == id)
            return c;
    throw std::logic_error("unknown command group");  // untranslated: a programming fault, never shown
}

QList<QAbstractButton*> RemoteCommandPage::sendButtons() const
{
    QList<QAbstractButton*> buttons;
    for (const Controls& c : m_groups)
        buttons.append(c.button);
    return buttons;
}

void RemoteCommandPage::showLines(QPlainTextEdit* memo, const std::vector<std::string_view>& lines)
{
    memo->clear();
    for (std::string_view line : lines)
        memo->appendPlainText(shown(line));
    memo->moveCursor(QTextCursor::Start);  // a description longer than the memo is read from its start
}

void RemoteCommandPage::fillDescriptions()
{
    for (const Controls& c : m_groups)
        showLines(c.memo, startupDescription(*c.group));
}

void RemoteCommandPage::boxChange(GroupId id)
{
    const Controls& c = controls(id);
    const int index = c.box->currentIndex();
    if (id == GroupId::Osd) {
        const bool volume = choosesVolume(*c.group, index);
        c.box->setFixedWidth(volume ? kVolumeBoxWidth : kBoxWidth);
        m_volume->setVisible(volume);
        m_volumeRange->setVisible(volume);
    }
    if (const auto lines = descriptionFor(*c.group, index))
        showLines(c.memo, *lines);
}

void RemoteCommandPage::send(GroupId id)
{
    if (m_players.firstCheckedRow() < 0) {
        m_dialogs.showMessage(tr("Please select at least one driver before sending the command!"));
        return;
    }
    const Controls& c = controls(id);
    if (const Command* command = commandFor(*c.group, c.box->currentIndex()))
        run(*command);
}

std::optional<std::string> RemoteCommandPage::takeVolume()
{
    const QString typed = m_volume->text();
    std::optional<std::string> volume = volumeText(typed.toStdString());
    if (!volume) {
        m_dialogs.showError(shown(kNotAnInteger).replace(QStringLiteral("%s"), typed));
        return std::nullopt;
    }
    if (typed != text(*volume))
        m_volume->setText(text(*volume));
    return volume;
}

void RemoteCommandPage::run(const Command& command)
{
    if (command.stepList().empty())
        return;
    // Everything the command sends is ready before anything is sent.
    SequenceFiles files;
    if (command.takes(Source::Chosen)) {
        const std::optional<QString> picked = m_dialogs.openFileName(openFileFilter(), command.filterIndex, QString());
        if (!picked || picked->isEmpty())
            return;
        files.chosen = localPath(*picked);
    }
    if (command.takes(Source::Scratch)) {
        std::string volume;
        if (command.withVolume) {
            const std::optional<std::string> taken = takeVolume();
            if (!taken)
                return;
            volume = *taken;
        }
        files.scratch = localPath(QDir(m_scratchDir).filePath(text(command.scratchFile)));
        try {
            writeWorkingFile(files.scratch, scratchContent(command, volume));
        } catch (const FileError& e) {
            m_dialogs.showError(shownText(e.phrase()));
            return;
        }
    }
    // A copy left by an earlier fetch must never be opened as this one's answer.
    if (const Step* fetch = command.fetch()) {
        try {
            removeFetchedCopies(localPath(m_players.workingDir()), m_players.rowCount(), fetch->suffix);
        } catch (const FileError& e) {
            m_dialogs.showError(shownText(e.phrase()));
            return;
        }
    }
    std::vector<Target> targets = m_players.targets(-1);
    // Erasing a player's media asks first, default "No". A command that removes files after the
    // operator has chosen a list (Delete Files) has been through the open dialog already.
    if (command.confirm && !command.takes(Source::Chosen) && !targets.empty() &&
        !m_dialogs.askYesNo(eraseQuestion(targets)))
        return;
    m_players.run(command, std::move(targets), std::move(files));
}

}  // namespace q7
