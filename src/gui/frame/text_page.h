#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace orva {

// The page "Текст" (TabDebug): the text buffer Memo1 through which every loaded configuration text
// passes. Its tab is shown only with the "-debug" switch. The buffer keeps the text exactly as it was
// put in and hands that to the lexer; the Memo1 control shows it, up to DisplayLimit characters (laying
// out a file of many megabytes would freeze the window for minutes).
class TextPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr qsizetype DisplayLimit = 512 * 1024;

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
    QString m_text;
};

} // namespace orva
