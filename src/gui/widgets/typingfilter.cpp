#include "gui/widgets/typingfilter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <limits>

namespace q7 {

TypingFilter::TypingFilter(QObject* parent) : QObject(parent) {}

void TypingFilter::attach(QLineEdit* field, config::Filter filter, int limit)
{
    m_typing.insert(field, {filter, limit});
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this](QObject* gone) { m_typing.remove(gone); });
}

void TypingFilter::setLimit(QLineEdit* field, int limit) { m_typing[field].limit = limit; }

QString TypingFilter::acceptedText(const Typing& typing, const QLineEdit& field, const QString& incoming)
{
    qsizetype room = std::numeric_limits<qsizetype>::max();
    if (typing.limit > 0)
        room = typing.limit - (field.text().size() - field.selectedText().size());
    QString accepted;
    for (char32_t c : incoming.toUcs4()) {
        if (!QChar::isPrint(c) || !config::typedCharAccepted(typing.filter, c))
            continue;
        const QString character = QString::fromUcs4(&c, 1);
        if (accepted.size() + character.size() > room)
            break;
        accepted += character;
    }
    return accepted;
}

bool TypingFilter::eventFilter(QObject* watched, QEvent* event)
{
    // Only typing is looked at: other events also reach here while a field is being destroyed.
    const auto typing = m_typing.constFind(watched);
    if (typing == m_typing.cend() || (event->type() != QEvent::KeyPress && event->type() != QEvent::InputMethod))
        return QObject::eventFilter(watched, event);
    auto* field = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            field->insert(acceptedText(*typing, *field, QGuiApplication::clipboard()->text()));
            return true;  // the field's own paste would take the clipboard unfiltered
        }
        // Backspace, cursor keys and the like carry no printable text and pass.
        const QString typed = key->text();
        if (typed.isEmpty() || !QChar::isPrint(typed.toUcs4().front()))
            return false;
        const QString accepted = acceptedText(*typing, *field, typed);
        if (accepted == typed)
            return false;
        if (!accepted.isEmpty())
            field->insert(accepted);
        return true;  // swallowed, or only its accepted part inserted
    }
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        const QString accepted = acceptedText(*typing, *field, input->commitString());
        if (accepted != input->commitString())
            input->setCommitString(accepted, input->replacementStart(), input->replacementLength());
    }
    return false;
}

}  // namespace q7
