#include "gui/messages/bitmapmessagesheet.h"

#include "draw/bitmapdrawing.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/filefilters.h"
#include "gui/platform/localpath.h"
#include "gui/transfer/playertransfers.h"
#include "gui/widgets/colors.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <cstring>

namespace q7 {
namespace {

using namespace messages;

constexpr int kSaveBitmapFilter = 5;
constexpr int kImageLeft = 16;         // the strip's place in its frame
constexpr int kFirstPreviewWidth = 6040;  // gives the preview scroll range 0..560 before a first render

int scrollRange(int stripWidth) { return stripWidth / 10 - 44; }

QFrame* makeSwatch(const char* name, const QColor& color, QWidget* parent)
{
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(QLatin1String(name));
    swatch->setFrameShape(QFrame::Box);
    swatch->setFixedSize(40, 20);
    swatch->setAutoFillBackground(true);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->setFocusPolicy(Qt::StrongFocus);  // Space or Enter opens its dialog, as a click does
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

// A frame that clips a wide strip which a scroll bar moves sideways.
QWidget* stripFrame(const char* boxName, const char* imageName, int width, QLabel*& image, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFixedHeight(kStripHeight + 4);
    auto* box = new QWidget(frame);
    box->setObjectName(QLatin1String(boxName));
    box->setGeometry(0, 2, kImageLeft + width, kStripHeight);
    image = new QLabel(box);
    image->setObjectName(QLatin1String(imageName));
    image->setGeometry(kImageLeft, 0, width, kStripHeight);
    return frame;
}

QImage imageFromStrip(const Strip& strip)
{
    QImage image(strip.width, strip.height, QImage::Format_RGB888);
    for (int y = 0; y < strip.height; ++y)
        std::memcpy(image.scanLine(y), &strip.rgb[size_t(y) * size_t(strip.width) * 3], size_t(strip.width) * 3);
    return image;
}

}  // namespace

QFont BitmapMessageSheet::defaultFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));  // untranslated: a font family
    font.setPointSize(8);
    return font;
}

BitmapMessageSheet::BitmapMessageSheet(Context context, QWidget* parent)
    : QWidget(parent), m_context(context), m_font(defaultFont()),
      m_drawing(kStripWidth, kStripHeight, QImage::Format_RGB888)
{
    setObjectName(QStringLiteral("BitmapMessageSheet"));
    m_drawing.fill(Qt::white);
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);

    auto* textLabel = new QLabel(tr("Message :"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("MessageEdit"));
    m_text->setMaxLength(kBitmapTextLength);
    textLabel->setBuddy(m_text);
    grid->addWidget(textLabel, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 3);

    auto* fontButton = new QPushButton(tr("Select &Font"), this);
    fontButton->setObjectName(QStringLiteral("FontButton"));
    m_fontName = new QLabel(m_font.family(), this);
    m_fontName->setObjectName(QStringLiteral("FontNameLabel"));
    auto* colours = new QHBoxLayout;
    m_foreSwatch = makeSwatch("ForeColor", Qt::black, this);
    m_backSwatch = makeSwatch("BackColor", Qt::white, this);
    //: The colour of the message's letters; a click on the swatch beside it chooses it.
    m_foreSwatch->setAccessibleName(tr("Font Color"));
    //: The colour behind the message's letters.
    m_backSwatch->setAccessibleName(tr("Background"));
    colours->addWidget(new QLabel(tr("Font Color"), this));
    colours->addWidget(m_foreSwatch);
    colours->addSpacing(12);
    colours->addWidget(new QLabel(tr("Background"), this));
    colours->addWidget(m_backSwatch);
    colours->addStretch(1);
    grid->addWidget(fontButton, 1, 0);
    grid->addWidget(m_fontName, 1, 1);
    grid->addLayout(colours, 1, 2, 1, 2);

    grid->addWidget(stripFrame("DrawBox", "DrawImage", kStripWidth, m_drawImage, this), 2, 0, 1, 4);
    m_drawBox = m_drawImage->parentWidget();
    m_drawImage->setPixmap(QPixmap::fromImage(m_drawing));
    m_drawScroll = new QScrollBar(Qt::Horizontal, this);
    m_drawScroll->setObjectName(QStringLiteral("ScrollBar1"));
    grid->addWidget(m_drawScroll, 3, 0, 1, 4);

    grid->addWidget(stripFrame("PreviewBox", "PreviewImage", kFirstPreviewWidth, m_previewImage, this), 4, 0, 1, 4);
    m_previewBox = m_previewImage->parentWidget();
    m_previewScroll = new QScrollBar(Qt::Horizontal, this);
    m_previewScroll->setObjectName(QStringLiteral("ScrollBar2"));
    m_previewScroll->setRange(0, scrollRange(kFirstPreviewWidth));
    grid->addWidget(m_previewScroll, 5, 0, 1, 4);

    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("ProgressBar1"));
    m_gauge->setAccessibleName(tr("Message width"));
    m_gauge->setTextVisible(false);
    m_gauge->setValue(0);
    m_steps = new QProgressBar(this);
    m_steps->setObjectName(QStringLiteral("ProgressBar2"));
    m_steps->setAccessibleName(tr("Progress"));
    m_steps->setRange(0, 10);
    m_steps->setValue(0);
    m_steps->setTextVisible(false);
    grid->addWidget(m_gauge, 6, 0, 1, 2);
    grid->addWidget(m_steps, 6, 2, 1, 2);

    auto* note = new QLabel(tr("Bitmap messages are shown by Q7 players whose firmware scrolls bitmaps."), this);
    setColor(note, QPalette::WindowText, Qt::red);
    note->setWordWrap(true);
    grid->addWidget(note, 7, 0, 1, 4);

    m_preview = new QPushButton(tr("Pre&view"), this);
    m_preview->setObjectName(QStringLiteral("PreviewButton"));
    m_send = new QPushButton(tr("Se&nd Message"), this);
    m_send->setObjectName(QStringLiteral("SaveButton"));
    m_saveAs = new QPushButton(tr("Save &as"), this);
    m_saveAs->setObjectName(QStringLiteral("SaveAsButton"));
    m_send->setEnabled(false);
    m_saveAs->setEnabled(false);
    auto* hiddenSend = new QPushButton(this);
    hiddenSend->setObjectName(QStringLiteral("SendMessageButton"));
    hiddenSend->hide();
    grid->addWidget(m_preview, 8, 1);
    grid->addWidget(m_send, 8, 2);
    grid->addWidget(m_saveAs, 8, 3);
    grid->setRowStretch(9, 1);
    grid->setColumnStretch(1, 1);

    connect(fontButton, &QPushButton::clicked, this, &BitmapMessageSheet::chooseMessageFont);
    connect(m_preview, &QPushButton::clicked, this, &BitmapMessageSheet::showPreview);
    connect(m_send, &QPushButton::clicked, this, &BitmapMessageSheet::saveSegments);
    connect(hiddenSend, &QPushButton::clicked, this, &BitmapMessageSheet::sendBitmap);
    connect(m_saveAs, &QPushButton::clicked, this, &BitmapMessageSheet::saveBitmapAs);
    connect(m_drawScroll, &QScrollBar::valueChanged, this, &BitmapMessageSheet::scrollDrawing);
    connect(m_previewScroll, &QScrollBar::valueChanged, this, &BitmapMessageSheet::scrollPreview);
    m_foreSwatch->installEventFilter(this);
    m_backSwatch->installEventFilter(this);
}

void BitmapMessageSheet::setMessageFont(const QFont& font)
{
    m_font = font;
    m_fontName->setText(font.family());
}

QColor BitmapMessageSheet::foreColor() const { return m_foreSwatch->palette().color(QPalette::Window); }
void BitmapMessageSheet::setForeColor(const QColor& color) { setSwatchColor(m_foreSwatch, color); }
QColor BitmapMessageSheet::backColor() const { return m_backSwatch->palette().color(QPalette::Window); }
void BitmapMessageSheet::setBackColor(const QColor& color) { setSwatchColor(m_backSwatch, color); }

void BitmapMessageSheet::initScrollRange() { m_drawScroll->setRange(0, scrollRange(m_drawImage->width())); }

bool BitmapMessageSheet::eventFilter(QObject* watched, QEvent* event)
{
    auto* swatch = qobject_cast<QFrame*>(watched);
    if (swatch != m_foreSwatch && swatch != m_backSwatch)
        return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut)
        swatch->setLineWidth(type == QEvent::FocusIn ? 2 : 1);  // the frame shows the focus
    const int key = type == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    const bool keyOpens = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (type == QEvent::MouseButtonPress || keyOpens) {
        if (swatch == m_foreSwatch)
            chooseForeColor();
        else
            chooseBackColor();
        return keyOpens;
    }
    return QWidget::eventFilter(watched, event);
}

void BitmapMessageSheet::chooseMessageFont()
{
    if (const std::optional<QFont> font = m_context.dialogs.chooseFont(m_font))
        setMessageFont(*font);
}

void BitmapMessageSheet::chooseForeColor()
{
    if (const std::optional<QColor> color = m_context.dialogs.chooseColor(foreColor()))
        setForeColor(*color);
}

void BitmapMessageSheet::chooseBackColor()
{
    if (const std::optional<QColor> color = m_context.dialogs.chooseColor(backColor()))
        setBackColor(*color);
}

void BitmapMessageSheet::scrollDrawing(int position) { m_drawBox->move(-10 * position, m_drawBox->y()); }

void BitmapMessageSheet::scrollPreview(int position)
{
    if (m_previewImage->width() / 10 > 1)
        m_previewBox->move(-10 * position, m_previewBox->y());
}

void BitmapMessageSheet::showPreview()
{
    m_send->setEnabled(false);
    m_saveAs->setEnabled(false);
    m_preview->setEnabled(false);

    const int width =
        drawBitmapText(m_drawing, m_text->text(), m_font, foreColor(), backColor());
    m_gauge->setRange(0, kTextLimit);
    m_gauge->setValue(std::min(width, kTextLimit));
    if (width > kTextLimit)
        m_context.dialogs.showMessage(tr("Message too long."));
    else
        m_drawImage->setPixmap(QPixmap::fromImage(m_drawing));

    m_preview->setEnabled(true);
    if (m_gauge->value() > 0) {
        m_send->setEnabled(true);
        m_saveAs->setEnabled(true);
    }
}

int BitmapMessageSheet::RenderBitmapMessage(const QString& folder)
{
    m_send->setEnabled(false);
    Strip preview;
    const RenderOutcome outcome =
        renderBitmapMessage(stripFromImage(m_drawing), localPath(m_context.scratchDir), localPath(folder), &preview,
                            [this](int position) { m_steps->setValue(position); });
    if (preview.width > 0) {
        m_previewImage->resize(preview.width, kStripHeight);
        m_previewBox->resize(kImageLeft + preview.width, kStripHeight);
        m_previewImage->setPixmap(QPixmap::fromImage(imageFromStrip(preview)));
    }
    if (!outcome.ok()) {
        m_context.dialogs.showError(systemText(outcome.error));
        return 0;
    }
    m_send->setEnabled(true);
    return outcome.segments;
}

void BitmapMessageSheet::setPreviewRange(int segments)
{
    m_previewScroll->setRange(0, scrollRange(segments * kSegmentWidth));
}

void BitmapMessageSheet::checkScrollingFile(const QString& folder, int segments)
{
    const QString target = QDir(folder).filePath(QLatin1String(kTargetName));
    if (!QFile::exists(target))
        return;
    const QString segmentZero = QDir(m_context.scratchDir).filePath(QString::fromStdString(segmentFileName(0)));
    if (!scrollingFileLooksRight(localPath(target), localPath(segmentZero), segments)) {
        QFile::remove(target);
        m_context.dialogs.showMessage(tr("Draw bitmap message fail."));
    }
}

void BitmapMessageSheet::saveSegments()
{
    m_steps->setRange(0, 10);
    const int segments = RenderBitmapMessage(m_context.scratchDir);
    if (segments == 0) {
        m_steps->setValue(0);
        return;
    }
    m_steps->setValue(10);
    setPreviewRange(segments);
    checkScrollingFile(m_context.scratchDir, segments);
    sendBitmap();
    m_steps->setValue(0);
}

void BitmapMessageSheet::sendBitmap()
{
    m_steps->setValue(9);
    const QString target = QDir(m_context.scratchDir).filePath(QLatin1String(kTargetName));
    if (QFile::exists(target))
        m_context.players.run(commands::bitmapMessageCommand(), m_context.players.targets(-1),
                              {.message = localPath(target)});
    m_steps->setValue(10);
}

void BitmapMessageSheet::saveBitmapAs()
{
    const std::optional<QString> chosen = m_context.dialogs.saveFileName(
        saveFileFilter(), kSaveBitmapFilter, QLatin1String(kTargetName));
    if (!chosen)
        return;
    m_steps->setRange(0, 10);
    const QString folder = QFileInfo(*chosen).absolutePath();  // the file is always message.target
    if (const int segments = RenderBitmapMessage(folder)) {
        m_steps->setValue(10);
        setPreviewRange(segments);
        checkScrollingFile(folder, segments);
    }
    m_steps->setValue(0);
}

}  // namespace q7
