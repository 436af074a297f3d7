#pragma once
// The compact transfer log of the main window: one line per finished transfer and one summary per
// runner call, so the operator sees what reached the players without any message box.

#include <QListWidget>

namespace q7 {

class TransferLog : public QListWidget {
    Q_OBJECT
public:
    explicit TransferLog(QWidget* parent = nullptr);
    // Appends "hh:mm:ss text" and keeps it in view; its tooltip adds `detail` below the line. Lines
    // of a retry (`retryOf` > 0) go under the lines of the call they retry, indented. A failed
    // summary line of a call (`call` > 0) offers "Retry failed".
    void addLine(const QString& text, const QString& detail = {}, bool failure = false, int call = 0,
                 int retryOf = 0, bool summary = false);
    // The call of the retryable summary line at `row`, 0 for any other line.
    int retryableCall(int row) const;

signals:
    // The operator asked to send `call` again to the players whose transfer failed.
    void retryRequested(int call);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace q7
