#include "gui/messages/textmessagesheet.h"

#include "core/base/textfile.h"
#include "core/commands/commandtable.h"
#include "core/messages/textmessage.h"
#include "gui/platform/localpath.h"
#include "gui/platform/shownphrase.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/filefilters.h"
#include "gui/transfer/playertransfers.h"
#include "gui/widgets/colors.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace q7 {
namespace {

constexpr int kOpenTextFilter = 3;

QFont messageFace()
{
    QFont font(QStringLiteral("Arial"));  // untranslated: a font family
    font.setPixelSize(19);
    return font;
}

}  // namespace

TextMessageSheet::TextMessageSheet(Context context, QWidget* parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TextMessageSheet"));
    auto* grid = new QGridLayout(this);

    auto* pageLabel = new QLabel(tr("Code Page :"), this);
    m_codePages = new QComboBox(this);
    m_codePages->setObjectName(QStringLiteral("CodePageBox"));
    // Only the chosen index is kept and used (messages::codePageOfItem), so the items are shown translated.
    //: The code page the message is written in; BIG5, GB2312 and Shift-JIS are names of encodings.
    m_codePages->addItems({tr("English (United States)"), tr("Chinese (BIG5)"), tr("Chinese (GB2312)"),
                           tr("Japanese (Shift-JIS)"), tr("Korean")});
    // untranslated: a style sheet
    m_codePages->setStyleSheet(QStringLiteral("QComboBox { background: palette(button); }"));
    pageLabel->setBuddy(m_codePages);
    grid->addWidget(pageLabel, 0, 0);
    grid->addWidget(m_codePages, 0, 1, 1, 2);

    auto* textLabel = new QLabel(tr("Message :"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("MessageTextEdit"));
    m_text->setFont(messageFace());
    m_text->setMaxLength(messages::kTextMessageLength);
    textLabel->setBuddy(m_text);
    grid->addWidget(textLabel, 1, 0);
    grid->addWidget(m_text, 2, 0, 1, 3);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("MessageMemo"));
    m_memo->setReadOnly(true);
    m_memo->setFont(messageFace());
    setColor(m_memo, QPalette::Text, Qt::blue);
    m_memo->setAccessibleName(tr("Message sent"));
    grid->addWidget(m_memo, 3, 0, 1, 3);

    auto* note = new QLabel(tr("Text messages are shown by Q7 players whose firmware scrolls text."), this);
    setColor(note, QPalette::WindowText, Qt::red);
    note->setWordWrap(true);
    grid->addWidget(note, 4, 0, 1, 3);

    const struct {
        const char* name;
        QString caption;
        void (TextMessageSheet::*handler)();
    } buttons[] = {{"PutTextButton", tr("&Put Message"), &TextMessageSheet::putTextFile},
                   {"GetTextButton", tr("&Get Message"), &TextMessageSheet::getOldMessage},
                   {"SendTextButton", tr("Se&nd Message"), &TextMessageSheet::sendText}};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(buttons[i].caption, this);
        button->setObjectName(QLatin1String(buttons[i].name));
        connect(button, &QPushButton::clicked, this, buttons[i].handler);
        grid->addWidget(button, 5, i);
    }
    grid->setRowStretch(3, 1);
}

void TextMessageSheet::setCodePageItem(int index) { m_codePages->setCurrentIndex(index); }

bool TextMessageSheet::anyChecked(const QString& message)
{
    if (m_context.players.firstCheckedRow() >= 0)
        return true;
    m_context.dialogs.showMessage(message);
    return false;
}

void TextMessageSheet::loadMemo(const QString& path)
{
    try {
        const std::string bytes = readTextFile(localPath(path));
        m_memo->setPlainText(QString::fromStdU16String(messages::messageFileText(bytes, m_context.systemCodePage)));
    } catch (const FileError& e) {
        m_context.dialogs.showError(shownText(e.phrase()));
    }
}

void TextMessageSheet::sendText()
{
    if (!anyChecked(tr("Please select at least one device before sending the command!")))
        return;
    const QDir scratch(m_context.scratchDir);
    const QString message = scratch.filePath(QStringLiteral("message.txt"));
    const std::u16string text = m_text->text().toStdU16String();
    const int item = m_codePages->currentIndex();
    // The conversion turns what the code page cannot hold into "?": the operator decides first.
    if (item >= 0) {
        const int substituted =
            messages::substitutedCharacters(text, messages::codePageOfItem(item, m_context.systemCodePage));
        if (substituted > 0 &&
            !m_context.dialogs.askYesNo(
                substituted == 1
                    ? tr("1 character cannot be written in the chosen code page and will be sent as \"?\". "
                         "Send anyway?")
                    //: %1 is the number of characters (two or more).
                    : tr("%1 characters cannot be written in the chosen code page and will be sent as \"?\". "
                         "Send anyway?")
                          .arg(substituted)))
            return;
    }
    try {
        writeWorkingFile(localPath(scratch.filePath(QStringLiteral("message_Unicode.txt"))),
                         messages::messageFileBytes(text, m_context.systemCodePage));
        // With no code page chosen the message file stays empty, and is still sent.
        writeWorkingFile(localPath(message),
                         item < 0 ? std::string()
                                  : messages::messageFileBytes(text, messages::codePageOfItem(item, m_context.systemCodePage)));
    } catch (const FileError& e) {
        m_context.dialogs.showError(shownText(e.phrase()));
        return;
    }
    m_context.players.run(commands::textMessageCommand(), m_context.players.targets(-1), {.message = localPath(message)});
    loadMemo(message);
}

void TextMessageSheet::putTextFile()
{
    if (!anyChecked(tr("Please select at least one driver before sending the command!")))
        return;
    const std::optional<QString> chosen =
        m_context.dialogs.openFileName(openFileFilter(), kOpenTextFilter, QString());
    if (!chosen)
        return;
    loadMemo(*chosen);
    m_context.players.run(commands::putMessageCommand(), m_context.players.targets(-1), {.chosen = localPath(*chosen)});
}

void TextMessageSheet::getOldMessage()
{
    if (!anyChecked(tr("Please select at least one driver before sending the command!")))
        return;
    // Earlier copies go first (read-only ones too), so only what this fetch brings opens.
    const commands::Command& command = commands::getMessageCommand();
    try {
        commands::removeFetchedCopies(localPath(m_context.players.workingDir()), m_context.players.rowCount(),
                                      command.fetch()->suffix);
    } catch (const FileError& e) {
        m_context.dialogs.showError(shownText(e.phrase()));
        return;
    }
    m_context.players.run(command, m_context.players.targets(-1), {});
}

}  // namespace q7
