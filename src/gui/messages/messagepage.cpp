#include "gui/messages/messagepage.h"
#include "gui/widgets/tabcaptions.h"

namespace q7 {

MessagePage::MessagePage(const TextMessageSheet::Context& c, QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("MessagePageControl"));
    fitCaptions(this);
    m_bitmap = new BitmapMessageSheet({c.dialogs, c.players, c.scratchDir}, this);
    addTab(m_bitmap, tr("Bitmap Message"));
    m_text = new TextMessageSheet(c, this);
    addTab(m_text, tr("Text Message"));
}

}  // namespace q7
