#pragma once

#include "pages/editor_page.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace orva {

class FieldEdit;
class UpDown;

// The page "Индикация" (TabRezervAndSignal): duty messages, the external indicator and the buzzers.
class IndicPage : public EditorPage
{
    Q_OBJECT
public:
    IndicPage(PageHost &host, QWidget *tab);

    void Redraw_Indic();
    void UnLoad_Indic();

    void load() override { Redraw_Indic(); }
    void store() override { UnLoad_Indic(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildDutyGroup();
    void BuildSignalGroup();
    // Enables or disables the period edit, its up-down and its two labels.
    void EnableDutyPeriod(bool enabled);
    void CB_Indic_DutyActiveClick();
    void TB_Indic_IntZummerChange();
    void E_Indic_ZoneChange();

    QCheckBox *m_dutyActive = nullptr;
    QLabel *m_dutyActiveBlank = nullptr;
    FieldEdit *m_dutyDelay = nullptr;
    UpDown *m_dutyDelayUpDown = nullptr;
    QList<QWidget *> m_dutyPeriod;
    QSlider *m_volume = nullptr;
    QLabel *m_volumeLabel = nullptr;
    QCheckBox *m_extBuzzer = nullptr;
    QLabel *m_extBuzzerBlank = nullptr;
    QComboBox *m_zone = nullptr;
};

} // namespace orva
