#pragma once
// A fetched text file shown read-only in a window of the tool's own, for when no desktop viewer
// can open it: one window per file, not modal and never waited for. It belongs to the main window,
// so it closes with it.

#include <QWidget>

class QPlainTextEdit;

namespace q7 {

class CodePage;

class TextFileWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the file at `path` (text in `codePage`) in its window under `owner`: a window already
    // showing that file is filled again and brought up, else a new one opens.
    static void showFile(const QString& path, const CodePage& codePage, QWidget* owner);

    const QString& path() const { return m_path; }

private:
    TextFileWindow(const QString& path, QWidget* owner);
    void load(const CodePage& codePage);

    QString m_path;
    QPlainTextEdit* m_text;
};

}  // namespace q7
