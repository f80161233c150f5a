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

    // Replaces the buffer's lines by the lines of a configuration text (CR LF line breaks).
    void SetConfigurationText(const QString &text);
    // The buffer's text as the lexer takes it: its lines joined by CR LF, every character as it was put
    // in (no-break spaces, NULs and other controls included).
    QString ConfigurationText() const;
    void Clear();

private:
    QPlainTextEdit *m_memo;
};

} // namespace orva
