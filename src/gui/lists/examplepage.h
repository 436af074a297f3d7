#pragma once
// The "Example" tab: one read-only sheet of format notes per list file, and a picture panel.

#include <QList>
#include <QStringList>
#include <QWidget>

namespace q7 {

class ExamplePage : public QWidget {
    Q_OBJECT
public:
    explicit ExamplePage(QWidget* parent = nullptr);
    void showPictures();
    // The two pictures of the panel below the sheets.
    const QList<QWidget*>& pictures() const { return m_pictures; }

private:
    // The format notes of a list file, item by item ("" is an empty item), under its file name.
    struct Sheet {
        QString name;
        QStringList notes;
    };
    static QList<Sheet> exampleSheets();

    QWidget* m_picturePanel = nullptr;
    QList<QWidget*> m_pictures;
};

}  // namespace q7
