#include "text_page.h"

#include "dialogs/fonts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace orva {

TextPage::TextPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabDebug"));
    auto *label = new QLabel(QStringLiteral("Текстовый файл конфигурации:"), this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setFont(CourierNewPx(14));
    label->setBuddy(m_memo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_memo);
}

void TextPage::SetConfigurationText(const QString &text)
{
    // The document makes every CR LF pair (and every lone CR or LF) one paragraph break.
    m_memo->setPlainText(text);
}

QString TextPage::ConfigurationText() const
{
    // toPlainText would turn no-break spaces (byte 0xA0 of a file) into blanks; the raw text keeps every
    // character and marks each line break with the paragraph separator.
    QString text = m_memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

void TextPage::Clear()
{
    m_memo->clear();
}

} // namespace orva
