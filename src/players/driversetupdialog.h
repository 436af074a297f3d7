#pragma once
// The Driver Setup dialog: asks for a player's name and IPv4 address without blocking the main window.
// The main window reads the answer from the public fields.

#include <QDialog>

class QLineEdit;

namespace q7 {

class TOKRightDlg : public QDialog {
    Q_OBJECT
public:
    static inline const QString kNoResult = QStringLiteral(" ");

    explicit TOKRightDlg(QWidget* parent = nullptr);

    QString PlayerName = kNoResult;
    QString PlayerAddress = kNoResult;
    bool Answered = false;
    bool EditMode = false;

    void OKBtnClick();
    void CancelBtnClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_address = nullptr;
};

}  // namespace q7
