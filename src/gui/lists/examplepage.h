#pragma once
// The "Example" tab: one read-only sheet of format notes per list file, and a picture panel.

#include <QList>
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
    QWidget* m_picturePanel = nullptr;
    QList<QWidget*> m_pictures;
};

}  // namespace q7
