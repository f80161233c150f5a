#include "config_dialog.h"

#include "button_pictures.h"
#include "caption_group.h"
#include "field_edit.h"
#include "focus_binding.h"
#include "fonts.h"
#include "modal_questions.h"
#include "static_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>

namespace orva {
namespace {

const QString SampleDeviceName = QStringLiteral("ПСЕВДОНИМN");
const QString SampleIdent = QStringLiteral("AAAABBBBCCCC");

const std::array<QString, MaskKindCount> KindCaptions{
    QStringLiteral("Пусто"), QStringLiteral("Префикс"), QStringLiteral("Псевдоним"),
    QStringLiteral("Идентификатор"), QStringLiteral("Постфикс")};

QLabel *FieldLabel(const QString &text, const QRect &at, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(at);
    label->setBuddy(field);
    BindLabelClick(label);
    return label;
}

} // namespace

TDialogConfig::TDialogConfig(ProgramSettings &settings, SettingsStore &store, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_store(store),
      m_images(MakeImageList({QStringLiteral("cancel"), QStringLiteral("apply")})),
      m_captions({QString(), QStringLiteral("Отказаться"), QStringLiteral("Применить")})
{
    setObjectName(QStringLiteral("DialogConfig"));
    setWindowTitle(QStringLiteral("Параметры работы"));
    setFixedSize(600, 560);
    BuildModeGroup();
    BuildMaskGroup();

    m_ok = new PictureButton(2, GlyphLayout::Left, this);
    m_ok->setObjectName(QStringLiteral("BtnOK"));
    m_ok->setToolTip(QStringLiteral("Применить сделанные настройки"));
    m_ok->setDefault(true);
    m_ok->setGeometry(70, 490, 200, 60);
    m_cancel = new PictureButton(1, GlyphLayout::Left, this);
    m_cancel->setObjectName(QStringLiteral("BtnCancel"));
    m_cancel->setToolTip(QStringLiteral("Отменить изменения настроек"));
    m_cancel->setGeometry(330, 490, 200, 60);
    connect(m_ok, &QPushButton::clicked, this, &TDialogConfig::BtnOKClick);
    connect(m_cancel, &QPushButton::clicked, this, &TDialogConfig::reject);
    BindButtonFaces(this, &m_images, &m_captions);
}

void TDialogConfig::BuildModeGroup()
{
    auto *group = new CaptionGroup(QStringLiteral("Режим открытия и сохранения файлов конфигурации"), this);
    group->setObjectName(QStringLiteral("GroupBoxMode"));
    group->setGeometry(8, 8, 584, 96);
    m_normal = new QRadioButton(QStringLiteral("обычный"), group);
    m_normal->setObjectName(QStringLiteral("RadioButtonNormal"));
    m_normal->setGeometry(16, 24, 150, 22);
    m_list = new QRadioButton(QStringLiteral("список "), group);
    m_list->setObjectName(QStringLiteral("RadioButtonList"));
    m_list->setGeometry(180, 24, 150, 22);
    connect(m_normal, &QRadioButton::clicked, this, &TDialogConfig::RadioButtonNormalClick);
    connect(m_list, &QRadioButton::clicked, this, &TDialogConfig::RadioButtonListClick);

    m_path = new FieldEdit(group);
    m_path->setObjectName(QStringLiteral("EditPath"));
    m_path->setGeometry(130, 56, 390, 24);
    m_pathLabel = FieldLabel(QStringLiteral("Папка списка:"), QRect(16, 58, 110, 20), m_path, group);
    m_pathLabel->setObjectName(QStringLiteral("LabelPath"));
    m_pathButton = new QPushButton(QStringLiteral("..."), group);
    m_pathButton->setObjectName(QStringLiteral("BtnPath"));
    m_pathButton->setGeometry(526, 55, 44, 26);
    connect(m_pathButton, &QPushButton::clicked, this, &TDialogConfig::BtnPathClick);
    for (QWidget *w :
         {static_cast<QWidget *>(m_normal), static_cast<QWidget *>(m_list), static_cast<QWidget *>(m_path)})
        BindFocusColouring(w);

    m_maskCheck = new QCheckBox(QStringLiteral("При сохранении формировать имя файла по маске :"), this);
    m_maskCheck->setObjectName(QStringLiteral("CheckBoxMask"));
    m_maskCheck->setGeometry(8, 112, 584, 22);
    BindFocusColouring(m_maskCheck);
    connect(m_maskCheck, &QCheckBox::clicked, this, &TDialogConfig::CheckBoxMaskClick);
}

FieldEdit *TDialogConfig::MaskEdit(const QString &name, const QString &caption, int limit,
                                   const QRect &labelAt, const QRect &editAt)
{
    auto *edit = new FieldEdit(m_maskGroup);
    edit->setObjectName(name);
    edit->setKeyFilter(KeyFilter::FileNameMask);
    edit->setTypingLimit(limit);
    edit->setGeometry(editAt);
    FieldLabel(caption, labelAt, edit, m_maskGroup);
    BindFocusColouring(edit);
    connect(edit, &QLineEdit::textChanged, this, &TDialogConfig::FormExampleText);
    return edit;
}

void TDialogConfig::BuildMaskGroup()
{
    m_maskGroup = new CaptionGroup(QStringLiteral("Пораметры формирования имени файла"), this);
    m_maskGroup->setObjectName(QStringLiteral("GroupBoxMask"));
    m_maskGroup->setGeometry(8, 140, 584, 340);

    m_prefix = MaskEdit(QStringLiteral("EditMaskPref"), QStringLiteral("Префикс:"), 10, QRect(16, 28, 80, 20),
                        QRect(100, 26, 120, 24));
    m_suffix = MaskEdit(QStringLiteral("EditMaskSuff"), QStringLiteral("Постфикс:"), 10,
                        QRect(300, 28, 80, 20), QRect(384, 26, 120, 24));
    for (int k = 0; k < 3; ++k) {
        m_delimiters[k] = MaskEdit(QStringLiteral("EditMaskDelim%1").arg(k + 1),
                                   QStringLiteral("Разделитель %1:").arg(k + 1), 1,
                                   QRect(16 + 190 * k, 64, 110, 20), QRect(130 + 190 * k, 62, 30, 24));
    }

    for (int element = 0; element < MaskElementCount; ++element) {
        auto *group = new CaptionGroup(QStringLiteral("Элемент №%1").arg(element + 1), m_maskGroup);
        group->setObjectName(QStringLiteral("GroupBoxElement%1").arg(element + 1));
        group->setGeometry(10 + 141 * element, 100, 138, 160);
        auto *buttons = new QButtonGroup(group);
        for (int kind = 0; kind < MaskKindCount; ++kind) {
            auto *radio = new QRadioButton(KindCaptions[kind], group);
            radio->setObjectName(QStringLiteral("RadioButtonMask%1_%2").arg(element + 1).arg(kind));
            radio->setGeometry(8, 24 + 26 * kind, 128, 22);
            buttons->addButton(radio, kind);
            BindFocusColouring(radio);
            connect(radio, &QRadioButton::clicked, this, &TDialogConfig::FormExampleText);
            m_kinds[element][kind] = radio;
        }
    }

    auto *exampleLabel = new QLabel(QStringLiteral("Пример формирования имени файла по маске:"), m_maskGroup);
    exampleLabel->setGeometry(16, 270, 552, 20);
    m_example = new StaticText(m_maskGroup);
    m_example->setObjectName(QStringLiteral("StaticTextExample"));
    m_example->setGeometry(16, 294, 552, 30);
    m_example->setFont(ArialPx(17, Bold));
    m_example->setFrameShape(QFrame::Panel);
    m_example->setFrameShadow(QFrame::Sunken);
}

void TDialogConfig::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
    RepaintButtons(this, m_images, m_captions);
}

void TDialogConfig::FormShow()
{
    m_path->setText(QDir::toNativeSeparators(m_settings.listPath));
    m_normal->setChecked(!m_settings.listMode);
    m_list->setChecked(m_settings.listMode);
    EnablePathItems(m_settings.listMode);
    m_maskCheck->setChecked(m_settings.maskMode);
    EnableMaskItems(m_settings.maskMode);
    m_prefix->setText(m_settings.mask.prefix);
    for (int k = 0; k < 3; ++k)
        m_delimiters[k]->setText(m_settings.mask.delimiters[k]);
    m_suffix->setText(m_settings.mask.suffix);
    for (int element = 0; element < MaskElementCount; ++element)
        m_kinds[element][EffectiveMaskKind(element + 1, m_settings.mask.kinds[element])]->setChecked(true);
    FormExampleText();
    m_cancel->setFocus(Qt::OtherFocusReason);
}

ProgramSettings TDialogConfig::SettingsFromControls() const
{
    ProgramSettings s;
    s.listMode = m_list->isChecked();
    s.listPath = WithTrailingSeparator(QDir::fromNativeSeparators(m_path->text()));
    s.maskMode = m_maskCheck->isChecked();
    s.mask.prefix = m_prefix->text();
    for (int k = 0; k < 3; ++k)
        s.mask.delimiters[k] = m_delimiters[k]->text();
    s.mask.suffix = m_suffix->text();
    for (int element = 0; element < MaskElementCount; ++element) {
        s.mask.kinds[element] = DefaultMaskKind(element + 1);
        for (int kind = 0; kind < MaskKindCount; ++kind) {
            if (m_kinds[element][kind]->isChecked())
                s.mask.kinds[element] = kind;
        }
    }
    return s;
}

QString TDialogConfig::ExampleText() const
{
    return m_example->text();
}

void TDialogConfig::FormExampleText()
{
    m_example->setText(FormFileNameByMask(SettingsFromControls().mask, SampleDeviceName, SampleIdent));
}

void TDialogConfig::EnablePathItems(bool on)
{
    m_pathLabel->setEnabled(on);
    m_path->setEnabled(on);
    m_pathButton->setEnabled(on);
}

void TDialogConfig::RadioButtonNormalClick()
{
    EnablePathItems(false);
}

void TDialogConfig::RadioButtonListClick()
{
    EnablePathItems(true);
}

void TDialogConfig::CheckBoxMaskClick()
{
    EnableMaskItems(m_maskCheck->isChecked());
}

void TDialogConfig::EnableMaskItems(bool on)
{
    // The group's controls follow it; CaptionGroup colours the captions maroon or grey.
    m_maskGroup->setEnabled(on);
}

void TDialogConfig::BtnPathClick()
{
    if (m_questions) {
        Question question = Question::Of(QuestionKind::Folder);
        question.text = QDir::fromNativeSeparators(m_path->text());
        const Answer answer = m_questions->Ask(question);
        if (answer.ok())
            m_path->setText(QDir::toNativeSeparators(answer.text));
    }
    m_path->setFocus(Qt::OtherFocusReason);
}

void TDialogConfig::BtnOKClick()
{
    m_settings = SettingsFromControls();
    const SettingsWriteResult written = m_store.Write(m_settings);
    // A store that cannot be written (no right to the machine-wide key) is reported; the new settings
    // stay in force until the program ends.
    if (!written.ok && m_questions)
        m_questions->Ask(Question::Error(written.headline, written.hint, false, true));
    done(ModalResult::Ok);
}

void TDialogConfig::reject()
{
    done(ModalResult::Cancel);
}

} // namespace orva
