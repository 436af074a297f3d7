#pragma once
// The Driver Setup dialog: asks for a player's name and IPv4 address without blocking the main window.
// The main window reads the answer from the public fields when `answered` is emitted.

#include "core/players/playerlist.h"

#include <QDialog>

class QLineEdit;

namespace q7 {

class PlayerDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString kNoResult = QString::fromLatin1(kNoAnswer);

    explicit PlayerDialog(QWidget* parent = nullptr);

    QString PlayerName = kNoResult;
    QString PlayerAddress = kNoResult;
    bool Answered = false;
    bool EditMode = false;

    // Fills the fields on opening: the entry being modified, or "Q7_" and the address field as it
    // was left the last time.
    void fillFields();
    void acceptAnswer();
    void cancelAnswer();
    void reject() override;

signals:
    void answered();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_address = nullptr;
};

}  // namespace q7
