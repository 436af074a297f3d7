#include "gui/players/playerdialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace q7 {

PlayerDialog::PlayerDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("OKRightDlg"));
    setWindowTitle(QStringLiteral("Driver Setup"));
    setModal(false);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Q7_Name"));
    m_name->setFrame(false);
    auto* nameLabel = new QLabel(QStringLiteral("Name : "), this);
    nameLabel->setBuddy(m_name);
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("IP_Addr"));
    m_address->setFrame(false);
    m_address->installEventFilter(this);
    auto* addressLabel = new QLabel(QStringLiteral("IP Address : "), this);
    addressLabel->setBuddy(m_address);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(ok, 0, 2);
    grid->addWidget(addressLabel, 1, 0);
    grid->addWidget(m_address, 1, 1);
    grid->addWidget(cancel, 1, 2);
    connect(ok, &QPushButton::clicked, this, &PlayerDialog::acceptAnswer);
    connect(cancel, &QPushButton::clicked, this, &PlayerDialog::cancelAnswer);

    setFixedSize(309, 67);  // a fixed frame around the client area
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move((screen->geometry().width() - width()) / 2, (screen->geometry().height() - height()) / 2);
}

void PlayerDialog::fillFields()
{
    if (EditMode) {
        m_name->setText(PlayerName);
        m_address->setText(PlayerAddress);
    } else {
        m_name->setText(QStringLiteral("Q7_"));
    }
}

void PlayerDialog::showEvent(QShowEvent* event)
{
    fillFields();
    QDialog::showEvent(event);
}

void PlayerDialog::acceptAnswer()
{
    PlayerName = m_name->text();
    PlayerAddress = m_address->text();
    hide();
    Answered = true;
    emit answered();
}

void PlayerDialog::cancelAnswer()
{
    PlayerName = kNoResult;
    PlayerAddress = kNoResult;
    hide();
    Answered = true;
    emit answered();
}

// IP_AddrKeyPress: typed characters other than digits, "." and backspace never reach the address
// field. Keys that type nothing (arrows, Delete, Enter, Escape) and shortcuts pass.
bool PlayerDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_address && event->type() == QEvent::KeyPress) {
        const QList<uint> typed = static_cast<QKeyEvent*>(event)->text().toUcs4();
        if (std::any_of(typed.begin(), typed.end(), [](uint c) { return QChar::isPrint(c) && !addressKeyAccepted(c); }))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PlayerDialog::reject() { cancelAnswer(); }  // Escape, like the Cancel button

void PlayerDialog::closeEvent(QCloseEvent* event)
{
    cancelAnswer();
    event->accept();
}

}  // namespace q7
