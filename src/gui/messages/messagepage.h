#pragma once
// The "Message Control" tab: the bitmap message and the text message sheets.

#include "gui/messages/bitmapmessagesheet.h"
#include "gui/messages/textmessagesheet.h"

#include <QTabWidget>

namespace q7 {

class MessagePage : public QTabWidget {
    Q_OBJECT
public:
    // The text sheet needs all of it, the bitmap sheet part of it.
    MessagePage(const TextMessageSheet::Context& context, QWidget* parent = nullptr);

    static QFont defaultFont() { return BitmapMessageSheet::defaultFont(); }
    QFont messageFont() const { return m_bitmap->messageFont(); }
    void setMessageFont(const QFont& font) { m_bitmap->setMessageFont(font); }
    QColor foreColor() const { return m_bitmap->foreColor(); }
    void setForeColor(const QColor& color) { m_bitmap->setForeColor(color); }
    QColor backColor() const { return m_bitmap->backColor(); }
    void setBackColor(const QColor& color) { m_bitmap->setBackColor(color); }
    void initScrollRange() { m_bitmap->initScrollRange(); }
    void setCodePageItem(int index) { m_text->setCodePageItem(index); }

    BitmapMessageSheet* bitmapSheet() const { return m_bitmap; }
    TextMessageSheet* textSheet() const { return m_text; }

private:
    BitmapMessageSheet* m_bitmap = nullptr;
    TextMessageSheet* m_text = nullptr;
};

}  // namespace q7
