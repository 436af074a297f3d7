#pragma once
// The compact transfer log of the main window: one line per finished transfer and one summary per
// runner call, so the operator sees what reached the players without any message box.

#include <QListWidget>

namespace q7 {

class TransferLog : public QListWidget {
    Q_OBJECT
public:
    explicit TransferLog(QWidget* parent = nullptr);
    // Appends "hh:mm:ss text" and keeps it in view; its tooltip adds `detail` below the line.
    void addLine(const QString& text, const QString& detail = {}, bool failure = false);
};

}  // namespace q7
