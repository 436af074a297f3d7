#pragma once
// The key filter of the digit and address fields (ConfigSpinKeyPress and its kin): which
// characters a text field takes and how many can be typed, held for typed characters, keyboard
// paste and input-method commits alike. Text placed by the context menu or by the program is not
// filtered. The settings pages and the Volume field of the Remote Command page share it.

#include "core/config/settingtable.h"

#include <QHash>
#include <QObject>

class QLineEdit;

namespace q7 {

class TypingFilter : public QObject {
    Q_OBJECT
public:
    explicit TypingFilter(QObject* parent = nullptr);

    // Filters `field` from now on; `limit` 0 means no limit.
    void attach(QLineEdit* field, config::Filter filter, int limit);
    // A new limit for an attached field; text already there is never cut.
    void setLimit(QLineEdit* field, int limit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Typing {
        config::Filter filter;
        int limit;
    };
    // What of `incoming` the field takes, character by character, within its filter and limit.
    static QString acceptedText(const Typing& typing, const QLineEdit& field, const QString& incoming);

    QHash<QObject*, Typing> m_typing;
};

}  // namespace q7
