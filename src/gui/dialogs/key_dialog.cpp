#include "dialogs/key_dialog.h"

#include "dialogs/modal_result.h"
#include "widgets/button_pictures.h"
#include "widgets/colours.h"
#include "widgets/control_builders.h"
#include "widgets/field_edit.h"
#include "widgets/focus_binding.h"
#include "widgets/fonts.h"
#include "widgets/static_text.h"

namespace orva {
namespace {

StaticText *Line(const QString &name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *line = new StaticText(text, parent);
    line->setObjectName(name);
    line->setGeometry(geometry);
    line->setAlignment(Qt::AlignCenter);
    line->setFont(ArialPx(19, Bold | Italic));
    SetTextColour(line, Colours::Hint);
    return line;
}

} // namespace

TFormDialogSetKeyConfig::TFormDialogSetKeyConfig(QWidget *parent)
    : QDialog(parent), m_images(MakeImageList({QStringLiteral("cancel"), QStringLiteral("apply")})),
      m_captions({QString(), QStringLiteral("Отказаться"), QStringLiteral("Применить")})
{
    setObjectName(QStringLiteral("FormDialogSetKeyConfig"));
    setWindowTitle(QStringLiteral("Ключ шифрования"));
    setFixedSize(780, 230);

    m_recommendation =
        Line(QStringLiteral("StaticTextRecomendation"),
             QStringLiteral("Задайте ключ шифрования файла конфигурации"), QRect(8, 4, 764, 26), this);
    m_wrongKey = Line(QStringLiteral("StaticTextErrorKey"), QStringLiteral("(текущий ключ не верный)"),
                      QRect(8, 30, 764, 26), this);
    m_wrongKey->hide();
    m_new = Line(QStringLiteral("StaticTextNew"), QStringLiteral("Новый/текущий ключ:"),
                 QRect(8, 60, 764, 26), this);

    m_entry = MakeField(this, u"EditKEYConfig", InputRules::KeyDialogEntry, QRect(150, 90, 480, 30));
    m_entry->setAccessibleName(QStringLiteral("Ключ шифрования файла конфигурации"));
    m_entry->setFont(CourierNewPx(19, Bold));

    m_ok = MakePictureButton(this, u"BtnOK", 2, GlyphLayout::Left, QRect(150, 150, 200, 60));
    m_ok->setToolTip(QStringLiteral("Применить сделанные настройки"));
    m_ok->setDefault(true);
    m_cancel = MakePictureButton(this, u"BtnCancel", 1, GlyphLayout::Left, QRect(430, 150, 200, 60));
    m_cancel->setToolTip(QStringLiteral("Отменить изменения настроек"));
    connect(m_ok, &QPushButton::clicked, this, &TFormDialogSetKeyConfig::BtnOKClick);
    connect(m_cancel, &QPushButton::clicked, this, &TFormDialogSetKeyConfig::reject);

    BindButtonFaces(this, &m_images, &m_captions);
    BindFocus(this);
}

void TFormDialogSetKeyConfig::PrepareCheckLayout()
{
    m_wrongKey->show();
    m_new->hide();
    setFixedSize(width(), 179);
    m_entry->move(m_entry->x(), 58);
    m_ok->move(m_ok->x(), 96);
    m_cancel->move(m_cancel->x(), 96);
}

void TFormDialogSetKeyConfig::SetWrongKeyVisible(bool visible)
{
    m_wrongKey->setVisible(visible);
}

QString TFormDialogSetKeyConfig::EntryText() const
{
    return m_entry->text();
}

void TFormDialogSetKeyConfig::SetEntryText(const QString &text)
{
    m_entry->setText(text);
}

void TFormDialogSetKeyConfig::BtnOKClick()
{
    m_lastConfirmedKey = m_entry->text();
    done(ModalResult::Ok);
}

void TFormDialogSetKeyConfig::reject()
{
    done(ModalResult::Cancel);
}

void TFormDialogSetKeyConfig::showEvent(QShowEvent *event)
{
    m_entry->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
    RepaintButtons(this, m_images, m_captions);
}

} // namespace orva
