#include "gui/players/playerdialog.h"

#include "core/players/playerlist.h"

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
    //: Title of the dialog that adds or changes a player ("driver") of the list.
    setWindowTitle(tr("Driver Setup"));
    setModal(false);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Q7_Name"));
    m_name->setFrame(false);
    auto* nameLabel = new QLabel(tr("Name : "), this);
    nameLabel->setBuddy(m_name);
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("IP_Addr"));
    m_address->setFrame(false);
    m_address->installEventFilter(this);
    auto* addressLabel = new QLabel(tr("IP Address : "), this);
    addressLabel->setBuddy(m_address);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(ok, 0, 2);
    grid->addWidget(addressLabel, 1, 0);
    grid->addWidget(m_address, 1, 1);
    grid->addWidget(cancel, 1, 2);
    connect(ok, &QPushButton::clicked, this, &PlayerDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &PlayerDialog::reject);  // as Escape and the close box do

    setFixedSize(309, 67);  // a fixed frame around the client area
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move((screen->geometry().width() - width()) / 2, (screen->geometry().height() - height()) / 2);
}

void PlayerDialog::openForAdd()
{
    m_name->setText(QStringLiteral("Q7_"));
    bringToFront();
}

void PlayerDialog::openForModify(const QString& name, const QString& address)
{
    m_name->setText(name);
    m_address->setText(address);
    bringToFront();
}

void PlayerDialog::bringToFront()
{
    show();
    raise();
    activateWindow();
}

void PlayerDialog::accept()
{
    QDialog::accept();  // hides the dialog first, so the answer is applied with it closed
    emit answered(m_name->text(), m_address->text());
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

}  // namespace q7
