#include "messages/messagepage.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace q7 {
namespace {

constexpr int kStripWidth = 5400;
constexpr int kStripHeight = 90;

QFrame* makeSwatch(const char* name, const QColor& color, QWidget* parent)
{
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(QLatin1String(name));
    swatch->setFrameShape(QFrame::Box);
    swatch->setFixedSize(40, 20);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, color);
    swatch->setPalette(palette);
    return swatch;
}

void setSwatchColor(QFrame* swatch, const QColor& color)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, color);
    swatch->setPalette(palette);
}

}  // namespace

QFont MessagePage::defaultFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

MessagePage::MessagePage(QWidget* parent) : QTabWidget(parent), m_font(defaultFont())
{
    setObjectName(QStringLiteral("MessagePageControl"));

    auto* bitmap = new QWidget(this);
    bitmap->setObjectName(QStringLiteral("BitmapMessageSheet"));
    auto* grid = new QGridLayout(bitmap);
    m_fontName = new QLabel(m_font.family(), bitmap);
    m_fontName->setObjectName(QStringLiteral("FontNameLabel"));
    grid->addWidget(m_fontName, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Font Color"), bitmap), 0, 1);
    m_foreSwatch = makeSwatch("ForeColor", Qt::black, bitmap);
    grid->addWidget(m_foreSwatch, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Background"), bitmap), 0, 2);
    m_backSwatch = makeSwatch("BackColor", Qt::white, bitmap);
    grid->addWidget(m_backSwatch, 1, 2);

    auto* drawBox = new QFrame(bitmap);
    drawBox->setObjectName(QStringLiteral("DrawBox"));
    drawBox->setFixedHeight(kStripHeight + 4);
    m_drawImage = new QLabel(drawBox);
    m_drawImage->setObjectName(QStringLiteral("DrawImage"));
    m_drawImage->setGeometry(16, 2, kStripWidth, kStripHeight);
    grid->addWidget(drawBox, 2, 0, 1, 3);
    m_scroll = new QScrollBar(Qt::Horizontal, bitmap);
    m_scroll->setObjectName(QStringLiteral("ScrollBar1"));
    grid->addWidget(m_scroll, 3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    addTab(bitmap, QStringLiteral("Bitmap Message"));

    auto* text = new QWidget(this);
    text->setObjectName(QStringLiteral("TextMessageSheet"));
    auto* textLayout = new QVBoxLayout(text);
    m_codePages = new QComboBox(text);
    m_codePages->setObjectName(QStringLiteral("CodePageBox"));
    m_codePages->addItems({QStringLiteral("English (United States)"), QStringLiteral("Chinese (BIG5)"),
                           QStringLiteral("Chinese (GB2312)"), QStringLiteral("Japanese (Shift-JIS)"),
                           QStringLiteral("Korean")});
    m_codePages->setAccessibleName(QStringLiteral("Code Page"));
    textLayout->addWidget(m_codePages);
    textLayout->addStretch(1);
    addTab(text, QStringLiteral("Text Message"));
}

void MessagePage::setMessageFont(const QFont& font)
{
    m_font = font;
    m_fontName->setText(font.family());
}

QColor MessagePage::foreColor() const { return m_foreSwatch->palette().color(QPalette::Window); }
void MessagePage::setForeColor(const QColor& color) { setSwatchColor(m_foreSwatch, color); }
QColor MessagePage::backColor() const { return m_backSwatch->palette().color(QPalette::Window); }
void MessagePage::setBackColor(const QColor& color) { setSwatchColor(m_backSwatch, color); }

void MessagePage::setCodePageItem(int index) { m_codePages->setCurrentIndex(index); }

void MessagePage::initScrollRange() { m_scroll->setRange(0, m_drawImage->width() / 10 - 44); }

}  // namespace q7
