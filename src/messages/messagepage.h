#pragma once
// The "Message Control" tab: the bitmap message (font, two colour swatches, drawing strip) and the
// text message (code page choice).

#include <QColor>
#include <QFont>
#include <QTabWidget>

class QComboBox;
class QFrame;
class QLabel;
class QScrollBar;

namespace q7 {

class MessagePage : public QTabWidget {
    Q_OBJECT
public:
    explicit MessagePage(QWidget* parent = nullptr);

    // The initial font of the font dialog: "MS Sans Serif", 8 points (11 pixels at 96 dpi).
    static QFont defaultFont();

    QFont messageFont() const { return m_font; }
    void setMessageFont(const QFont& font);
    QColor foreColor() const;
    void setForeColor(const QColor& color);
    QColor backColor() const;
    void setBackColor(const QColor& color);

    void setCodePageItem(int index);
    // Scroll range of the drawing strip: its width / 10 - 44.
    void initScrollRange();

private:
    QFont m_font;
    QLabel* m_fontName = nullptr;
    QFrame* m_foreSwatch = nullptr;
    QFrame* m_backSwatch = nullptr;
    QLabel* m_drawImage = nullptr;
    QScrollBar* m_scroll = nullptr;
    QComboBox* m_codePages = nullptr;
};

}  // namespace q7
