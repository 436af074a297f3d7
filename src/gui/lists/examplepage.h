#pragma once
// The "Example" tab: one read-only sheet of format notes per list file, and a picture panel.

#include <QWidget>

namespace q7 {

class ExamplePage : public QWidget {
    Q_OBJECT
public:
    explicit ExamplePage(QWidget* parent = nullptr);
    void showPictures();
};

}  // namespace q7
