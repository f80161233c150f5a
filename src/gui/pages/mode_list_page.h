#pragma once

#include "pages/editor_page.h"
#include "widgets/mode_picture.h"
#include "widgets/radio_buttons.h"

#include <QAnyStringView>
#include <QList>

#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QRadioButton;

namespace orva {

class CaptionGroup;
class FieldEdit;
class UpDown;

// What the loop and relay pages share: the list of the four items on the left with the mode picture
// under it, and on the right a group of mode buttons with a time field (seconds, with its up-down,
// caption and unit) under the buttons. One item is edited at a time, the one selected in the list; a
// default written by the check redraws the page only while the user sees it.
class ModeListPage : public EditorPage
{
    Q_OBJECT
public:
    ModeListPage(PageHost &host, PageSlot slot, QWidget *tab);
    ~ModeListPage() override;

    void RedrawAfterDefault(bool isCurrentPage) override;
    // "Исправить": the item's row is selected and the page redrawn.
    void SelectListRow(const QString &listControl, int row) override;

protected:
    // The names of the time field's controls.
    struct TimeNames
    {
        QAnyStringView field;
        QAnyStringView upDown;
        QAnyStringView caption;
        QAnyStringView unit;
    };

    // The builders, called by the page in the order its controls are to be entered with Tab.
    void BuildList(QAnyStringView name, const QString &accessibleName, int rows, bool checkable);
    void BuildPicture(const ModePicture::Names &names);
    void BuildModeGroup(QAnyStringView name, const QString &title);
    void AddModeButton(qint32 mode, QAnyStringView name, const QString &caption);
    // The time field under the mode buttons, its caption from the group's left edge up to the field;
    // returns the field's top.
    int BuildTimeField(const TimeNames &names, const QString &caption, int fieldLeft, int minimum,
                       int maximum);

    // The time the model holds for an item (1-based), or nothing when its mode has no time.
    virtual std::optional<qint32> StoredTime(int item) const = 0;

    // The 1-based number of the selected item, or 0 when no row is selected.
    int SelectedItem() const;
    QRadioButton *ButtonOf(qint32 mode) const;
    QList<QRadioButton *> ModeButtons() const;
    // The field, its up-down and both labels.
    QList<QWidget *> TimeControls() const;
    void SetTimeControls(bool visible, bool enabled);
    // Shows a time through the up-down, held within its range.
    void ShowTime(qint32 seconds);

    QListWidget *m_list = nullptr;
    std::unique_ptr<ModePicture> m_picture;
    CaptionGroup *m_group = nullptr;
    QList<ModeButton> m_modes;
    FieldEdit *m_timeField = nullptr;
    UpDown *m_timeUpDown = nullptr;
    QLabel *m_timeCaption = nullptr;
    QLabel *m_timeUnit = nullptr;
};

} // namespace orva
