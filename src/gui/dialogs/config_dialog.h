#pragma once

#include "storage/program_settings.h"
#include "widgets/picture_button.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace orva {

class CaptionGroup;
class FieldEdit;
class ModalQuestions;
class StaticText;

// "Параметры работы": the program settings. "Применить" (1) takes the controls into the settings and
// writes them to the store; a failed write is reported in the error box and the new settings stay in
// force for the run. "Отказаться" (2) leaves the settings as they were.
class TDialogConfig : public QDialog
{
    Q_OBJECT
public:
    TDialogConfig(ProgramSettings &settings, SettingsStore &store, QWidget *parent = nullptr);

    // Where the folder chooser and the error box are asked; the main window's questions.
    void SetQuestions(ModalQuestions *questions) { m_questions = questions; }

    // The settings as the controls stand now.
    ProgramSettings SettingsFromControls() const;
    // The example file name under the mask group.
    QString ExampleText() const;

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *BuildModeGroup();
    QWidget *BuildMaskGroup();
    void FormShow();
    void BtnOKClick();
    void BtnPathClick();
    void RadioButtonNormalClick();
    void RadioButtonListClick();
    void CheckBoxMaskClick();
    void EnableMaskItems(bool on);
    void FormExampleText();
    void EnablePathItems(bool on);
    FieldEdit *MaskEdit(const QString &name, int limit, int width);

    ProgramSettings &m_settings;
    SettingsStore &m_store;
    ModalQuestions *m_questions = nullptr;

    QRadioButton *m_normal = nullptr;
    QRadioButton *m_list = nullptr;
    QLabel *m_pathLabel = nullptr;
    FieldEdit *m_path = nullptr;
    QPushButton *m_pathButton = nullptr;
    QCheckBox *m_maskCheck = nullptr;
    CaptionGroup *m_maskGroup = nullptr;
    FieldEdit *m_prefix = nullptr;
    std::array<FieldEdit *, 3> m_delimiters{};
    FieldEdit *m_suffix = nullptr;
    std::array<std::array<QRadioButton *, 5>, 4> m_kinds{};
    StaticText *m_example = nullptr;
    PictureButton *m_ok = nullptr;
    PictureButton *m_cancel = nullptr;
    ImageList m_images;
    CaptionTable m_captions;
};

} // namespace orva
