#pragma once
// "Text Message": the typed message converted to the chosen code page and put to every served
// player as "/message.txt"; a prepared file put as it is; each player's previous message fetched.

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace q7 {

class Dialogs;
class PlayerTransfers;

class TextMessageSheet : public QWidget {
    Q_OBJECT
public:
    struct Context {
        Dialogs& dialogs;
        PlayerTransfers& players;
        QString scratchDir;
        int systemCodePage;
    };

    TextMessageSheet(Context context, QWidget* parent = nullptr);

    void setCodePageItem(int index);

    void sendText();
    void putTextFile();
    void getOldMessage();

private:
    // False (after the message) when no player is checked.
    bool anyChecked(const QString& message);
    void loadMemo(const QString& path);

    Context m_context;
    QComboBox* m_codePages = nullptr;
    QLineEdit* m_text = nullptr;
    QPlainTextEdit* m_memo = nullptr;
};

}  // namespace q7
