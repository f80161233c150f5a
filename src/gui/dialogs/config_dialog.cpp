#include "dialogs/config_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/modal_questions.h"
#include "widgets/accessible_names.h"
#include "widgets/button_pictures.h"
#include "widgets/caption_group.h"
#include "widgets/field_edit.h"
#include "widgets/focus_binding.h"
#include "widgets/fonts.h"
#include "widgets/radio_tab_stops.h"
#include "widgets/static_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orva {
namespace {

constexpr QStringView SampleDeviceName = u"ПСЕВДОНИМN";
constexpr QLatin1StringView SampleIdent("AAAABBBBCCCC");

constexpr std::array<QStringView, MaskKindCount> KindCaptions{u"Пусто", u"Префикс", u"Псевдоним",
                                                              u"Идентификатор", u"Постфикс"};

QLabel *FieldLabel(const QString &text, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
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

    m_ok =
        MakeDialogButton(this, QStringLiteral("BtnOK"), 2, QStringLiteral("Применить сделанные настройки"));
    m_ok->setDefault(true);
    m_cancel =
        MakeDialogButton(this, QStringLiteral("BtnCancel"), 1, QStringLiteral("Отменить изменения настроек"));
    connect(m_ok, &QPushButton::clicked, this, &TDialogConfig::BtnOKClick);
    connect(m_cancel, &QPushButton::clicked, this, &TDialogConfig::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(BuildModeGroup());
    layout->addWidget(BuildMaskGroup());
    layout->addLayout(ButtonRow({m_ok, m_cancel}));
    BindButtonFaces(this, &m_images, &m_captions);
    KeepRadioTabStops(this);
    NameControlsByLabels(this);
    BindFocus(this);
}

QWidget *TDialogConfig::BuildModeGroup()
{
    auto *group = new CaptionGroup(QStringLiteral("Режим открытия и сохранения файлов конфигурации"), this);
    group->setObjectName(QStringLiteral("GroupBoxMode"));
    m_normal = new QRadioButton(QStringLiteral("обычный"), group);
    m_normal->setObjectName(QStringLiteral("RadioButtonNormal"));
    m_list = new QRadioButton(QStringLiteral("список "), group);
    m_list->setObjectName(QStringLiteral("RadioButtonList"));
    connect(m_normal, &QRadioButton::clicked, this, &TDialogConfig::RadioButtonNormalClick);
    connect(m_list, &QRadioButton::clicked, this, &TDialogConfig::RadioButtonListClick);

    m_path = new FieldEdit(group);
    m_path->setObjectName(QStringLiteral("EditPath"));
    m_path->setMinimumWidth(380);
    m_pathLabel = FieldLabel(QStringLiteral("Папка списка:"), m_path, group);
    m_pathLabel->setObjectName(QStringLiteral("LabelPath"));
    m_pathButton = new QPushButton(QStringLiteral("..."), group);
    m_pathButton->setObjectName(QStringLiteral("BtnPath"));
    m_pathButton->setFixedWidth(44);
    m_pathButton->setToolTip(QStringLiteral("Выбрать папку списка"));
    m_pathButton->setAccessibleName(QStringLiteral("Выбрать папку списка"));
    connect(m_pathButton, &QPushButton::clicked, this, &TDialogConfig::BtnPathClick);

    auto *grid = new QGridLayout(group);
    grid->addWidget(m_normal, 0, 0);
    grid->addWidget(m_list, 0, 1);
    grid->addWidget(m_pathLabel, 1, 0);
    grid->addWidget(m_path, 1, 1);
    grid->addWidget(m_pathButton, 1, 2);

    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(group);
    m_maskCheck = new QCheckBox(QStringLiteral("При сохранении формировать имя файла по маске :"), box);
    m_maskCheck->setObjectName(QStringLiteral("CheckBoxMask"));
    connect(m_maskCheck, &QCheckBox::clicked, this, &TDialogConfig::CheckBoxMaskClick);
    column->addWidget(m_maskCheck);
    return box;
}

FieldEdit *TDialogConfig::MaskEdit(const QString &name, int limit, int width)
{
    auto *edit = new FieldEdit(m_maskGroup);
    edit->setObjectName(name);
    edit->setKeyFilter(KeyFilter::FileNameMask);
    edit->setTypingLimit(limit);
    edit->setFixedWidth(width);
    connect(edit, &QLineEdit::textChanged, this, &TDialogConfig::FormExampleText);
    return edit;
}

QWidget *TDialogConfig::BuildMaskGroup()
{
    m_maskGroup = new CaptionGroup(QStringLiteral("Пораметры формирования имени файла"), this);
    m_maskGroup->setObjectName(QStringLiteral("GroupBoxMask"));

    auto *fields = new QGridLayout;
    m_prefix = MaskEdit(QStringLiteral("EditMaskPref"), 10, 120);
    m_suffix = MaskEdit(QStringLiteral("EditMaskSuff"), 10, 120);
    fields->addWidget(FieldLabel(QStringLiteral("Префикс:"), m_prefix, m_maskGroup), 0, 0);
    fields->addWidget(m_prefix, 0, 1);
    fields->addWidget(FieldLabel(QStringLiteral("Постфикс:"), m_suffix, m_maskGroup), 0, 2);
    fields->addWidget(m_suffix, 0, 3);
    fields->setColumnStretch(4, 1);
    auto *delimiterRow = new QHBoxLayout;
    for (int k = 0; k < 3; ++k) {
        m_delimiters[k] = MaskEdit(QStringLiteral("EditMaskDelim%1").arg(k + 1), 1, 30);
        delimiterRow->addWidget(
            FieldLabel(QStringLiteral("Разделитель %1:").arg(k + 1), m_delimiters[k], m_maskGroup));
        delimiterRow->addWidget(m_delimiters[k]);
        delimiterRow->addStretch();
    }

    auto *elements = new QHBoxLayout;
    for (int element = 0; element < MaskElementCount; ++element) {
        auto *group = new CaptionGroup(QStringLiteral("Элемент №%1").arg(element + 1), m_maskGroup);
        group->setObjectName(QStringLiteral("GroupBoxElement%1").arg(element + 1));
        auto *column = new QVBoxLayout(group);
        auto *buttons = new QButtonGroup(group);
        for (int kind = 0; kind < MaskKindCount; ++kind) {
            auto *radio = new QRadioButton(KindCaptions[kind].toString(), group);
            radio->setObjectName(QStringLiteral("RadioButtonMask%1_%2").arg(element + 1).arg(kind));
            // The five choices repeat in every element's group: the group's title tells them apart.
            radio->setAccessibleName(group->title() + QStringLiteral(": ") + KindCaptions[kind]);
            buttons->addButton(radio, kind);
            column->addWidget(radio);
            connect(radio, &QRadioButton::clicked, this, &TDialogConfig::FormExampleText);
            m_kinds[element][kind] = radio;
        }
        elements->addWidget(group);
    }

    m_example = new StaticText(m_maskGroup);
    m_example->setObjectName(QStringLiteral("StaticTextExample"));
    m_example->setFont(ArialPx(17, Bold));
    m_example->setFrameShape(QFrame::Panel);
    m_example->setFrameShadow(QFrame::Sunken);
    m_example->setMinimumHeight(30);

    auto *layout = new QVBoxLayout(m_maskGroup);
    layout->addLayout(fields);
    layout->addLayout(delimiterRow);
    layout->addLayout(elements);
    layout->addWidget(new QLabel(QStringLiteral("Пример формирования имени файла по маске:"), m_maskGroup));
    layout->addWidget(m_example);
    return m_maskGroup;
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
    m_example->setText(
        FormFileNameByMask(SettingsFromControls().mask, SampleDeviceName.toString(), SampleIdent));
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
