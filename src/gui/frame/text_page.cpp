#include "frame/text_page.h"

#include "widgets/fonts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orva {

TextPage::TextPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabDebug"));
    auto *label = new QLabel(QStringLiteral("Текстовый файл конфигурации:"), this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab leaves the buffer as it leaves every other field; the text shows the file, it is not edited.
    m_memo->setTabChangesFocus(true);
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
    m_text = text;
    if (text.size() <= DisplayLimit) {
        m_memo->setPlainText(text);
        return;
    }
    m_memo->setPlainText(
        text.left(DisplayLimit) +
        QStringLiteral("\r\n[... ещё %1 символов не показано]").arg(text.size() - DisplayLimit));
}

QString TextPage::ConfigurationText() const
{
    return m_text;
}

void TextPage::Clear()
{
    m_text.clear();
    m_memo->clear();
}

} // namespace orva
