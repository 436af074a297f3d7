#pragma once
// "Bitmap Message": the text drawn in the chosen font and colours on a 5400 x 90 strip, cut into
// 1080-pixel segments, stored as "message.target" and put to every served player, or saved into
// a chosen folder. The file format lives in messages/bitmapfile.h; this class draws and shows.

#include "core/messages/bitmapfile.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace q7 {

class Dialogs;
class PlayerTransfers;

class BitmapMessageSheet : public QWidget {
    Q_OBJECT
public:
    struct Context {
        Dialogs& dialogs;
        PlayerTransfers& players;
        QString scratchDir;  // segment files and the message.target that is sent live here
    };

    BitmapMessageSheet(Context context, QWidget* parent = nullptr);

    // The initial font of the font dialog: "MS Sans Serif", 8 points.
    static QFont defaultFont();
    QFont messageFont() const { return m_font; }
    void setMessageFont(const QFont& font);
    QColor foreColor() const;
    void setForeColor(const QColor& color);
    QColor backColor() const;
    void setBackColor(const QColor& color);
    // Scroll range of the drawing strip: its width / 10 - 44.
    void initScrollRange();

    // The drawing strip as it stands (what a send cuts and stores).
    const QImage& drawing() const { return m_drawing; }

    void showPreview();
    void chooseMessageFont();
    void chooseForeColor();
    void chooseBackColor();
    void scrollDrawing(int position);
    void scrollPreview(int position);
    void saveSegments();
    void sendBitmap();
    void saveBitmapAs();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Cuts the strip into `folder`/message.target; the segment count, or 0 after an error.
    int RenderBitmapMessage(const QString& folder);
    // The size check after a render; a bad file is removed and the failure shown.
    void checkScrollingFile(const QString& folder, int segments);
    void setPreviewRange(int segments);

    Context m_context;
    QFont m_font;
    QImage m_drawing;
    QLineEdit* m_text = nullptr;
    QLabel* m_fontName = nullptr;
    QFrame* m_foreSwatch = nullptr;
    QFrame* m_backSwatch = nullptr;
    QWidget* m_drawBox = nullptr;
    QLabel* m_drawImage = nullptr;
    QScrollBar* m_drawScroll = nullptr;
    QWidget* m_previewBox = nullptr;
    QLabel* m_previewImage = nullptr;
    QScrollBar* m_previewScroll = nullptr;
    QProgressBar* m_gauge = nullptr;
    QProgressBar* m_steps = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_saveAs = nullptr;
};

}  // namespace q7
