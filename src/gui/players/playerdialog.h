#pragma once
// The Driver Setup dialog: asks for a player's name and IPv4 address without blocking the main window.
// OK reports the answer with `answered`; Cancel, Escape and the close box hide it without one.

#include <QDialog>

class QLineEdit;

namespace q7 {

class PlayerDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlayerDialog(QWidget* parent = nullptr);

    // Shows the dialog (or fills it again when it is open) for a new entry: the name field reads
    // "Q7_", the address field keeps what it held when the dialog was last closed.
    void openForAdd();
    // Shows the dialog (or fills it again) on an entry's name and address.
    void openForModify(const QString& name, const QString& address);

    void accept() override;  // OK, the default button

signals:
    // The fields' texts as the operator left them: no trimming, no validation.
    void answered(const QString& name, const QString& address);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bringToFront();

    QLineEdit* m_name = nullptr;
    QLineEdit* m_address = nullptr;
};

}  // namespace q7
