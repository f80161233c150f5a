#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace orva {

// The page "Текст" (TabDebug): the text buffer Memo1 through which every loaded configuration text
// passes. Its tab is shown only with the "-debug" switch.
class TextPage : public QWidget
{
    Q_OBJECT
public:
    explicit TextPage(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1() const { return m_memo; }

private:
    QPlainTextEdit *m_memo;
};

} // namespace orva
