#pragma once

#include "pages/editor_page.h"
#include "widgets/radio_buttons.h"

#include <QList>

#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QRadioButton;

namespace orva {

class CaptionGroup;
class FieldEdit;
class ModePicture;
class UpDown;

// The page "Шлейфы" (TabShleifs): the four alarm loops: use, type, delay, alias, and the alarm repeats.
// One loop is edited at a time, chosen in the list; every edit of a loop goes into the model at once,
// only the alarm repeats wait for UnLoad_Shleifs. No loop is selected until the user picks one.
class ShleifsPage : public EditorPage
{
    Q_OBJECT
public:
    ShleifsPage(PageHost &host, QWidget *tab);
    ~ShleifsPage() override;

    void Redraw_Shleifs();
    void UnLoad_Shleifs();

    // The page steps.
    void Shleifs_RedrawRem(int loop); // row text and check box of one loop
    void Shleifs_RedrawElements();    // the controls of the selected loop
    void Shleifs_EnableElements();
    void Shleifs_RedrawImage();
    void Shleifs_SaveMode();
    void Shleifs_SaveDelay();
    void Shleifs_SaveName();
    void Shleifs_SaveZone();

    // The selected loop, 1..4, or 0 when no row is selected.
    int SelectedLoop() const;

    void redraw() override { Redraw_Shleifs(); }
    // A default written by the check redraws this page only while the user sees it.
    void RedrawAfterDefault(bool isCurrentPage) override;
    // "Исправить": the loop's row is selected and the page redrawn.
    void SelectListRow(const QString &listControl, int row) override;

    // The row text of a loop: "Шлейф 1: \"Вход\"(охранный с задержкой 30 сек.)".
    static QString RowText(const T_Command_DEVICE &model, int loop);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls(); // shleifs_layout.cpp
    QRadioButton *ButtonOf(qint32 mode) const;
    QList<QRadioButton *> ModeButtons() const;
    bool RowTicked(int loop) const;
    void ShowDelay(qint32 seconds);

    // Handlers.
    void L_Shleif_ShleifsClick();
    void L_Shleif_ShleifsClickCheck(QListWidgetItem *item);
    void L_Shleif_ShleifsDblClick();
    void RadioButton_ShleifModeClick(bool checked);
    void E_Shleif_DelayChange();
    void E_Shleif_NameChange();
    void E_Shleif_ZoneChange();

    QListWidget *m_list = nullptr;
    CaptionGroup *m_group = nullptr;
    QList<ModeButton> m_modes;
    FieldEdit *m_delay = nullptr;
    UpDown *m_delayUpDown = nullptr;
    QLabel *m_delayLabel = nullptr; // "Задержка:"
    QLabel *m_delayUnit = nullptr;  // " сек."
    FieldEdit *m_name = nullptr;
    QLabel *m_nameLabel = nullptr;
    QComboBox *m_zone = nullptr;
    QLabel *m_zoneLabel = nullptr;
    QComboBox *m_alarmRepeat = nullptr;
    QList<QLabel *> m_alarmRepeatLabels;
    std::unique_ptr<ModePicture> m_picture;

    bool m_redrawingRows = false; // row texts and check boxes are being set, not clicked
    bool m_showingRow = false;    // the selected loop's controls are being filled, not clicked
};

} // namespace orva
