#include "players/driversetupdialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>

namespace q7 {

TOKRightDlg::TOKRightDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("OKRightDlg"));
    setWindowTitle(QStringLiteral("Driver Setup"));
    setModal(false);
    auto* grid = new QGridLayout(this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Q7_Name"));
    m_name->setFrame(false);
    auto* nameLabel = new QLabel(QStringLiteral("Name : "), this);
    nameLabel->setBuddy(m_name);
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("IP_Addr"));
    m_address->setFrame(false);
    m_address->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), m_address));
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
    connect(ok, &QPushButton::clicked, this, &TOKRightDlg::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TOKRightDlg::CancelBtnClick);

    resize(309, 67);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move((screen->geometry().width() - width()) / 2, (screen->geometry().height() - height()) / 2);
}

void TOKRightDlg::OKBtnClick()
{
    PlayerName = m_name->text();
    PlayerAddress = m_address->text();
    hide();
    Answered = true;
}

void TOKRightDlg::CancelBtnClick()
{
    PlayerName = kNoResult;
    PlayerAddress = kNoResult;
    hide();
    Answered = true;
}

void TOKRightDlg::closeEvent(QCloseEvent* event)
{
    CancelBtnClick();
    event->accept();
}

}  // namespace q7
