#pragma once

#include "pages/page_slot.h"

#include <QObject>
#include <QString>

#include <array>
#include <initializer_list>

class QAbstractItemView;
class QWidget;

namespace orva {

class FieldBinder;
class PageHost;
class T_Command_DEVICE;
struct Field;
struct DefaultOptions;

// What the program is doing to a page's own controls. Their change handlers ask the page
// (IsProgramChanging) and leave alone a change that is not the user's.
enum class ProgramStep : quint8 {
    Redraw,    // rows, boxes and fields set from the model
    ShowRow,   // the controls of the selected list row filled in
    ApplyMode, // a mode the user chose stored and shown
};
inline constexpr int ProgramStepCount = 3;

// One page of the main window: its tab, its controls, and its steps under their own names
// (Redraw_Common, UnLoad_Common, ...). The frame walks the page table (page_table.h) and reaches the
// named steps through load() and store(); the check protocol uses the generic hooks below.
class EditorPage : public QObject
{
    Q_OBJECT
public:
    EditorPage(PageHost &host, PageSlot slot, QWidget *tab);

    QWidget *tab() const { return m_tab; }
    PageSlot slot() const { return m_slot; }

    // Model to controls: the page's Redraw_* step.
    virtual void load() = 0;
    // Controls to model: the page's UnLoad_* step.
    virtual void store() = 0;
    // The controls a page builds once the window stands (Create_Rele, Create_Keys, ...); the window
    // runs the pages' steps in tab order.
    virtual void createLateControls() {}

    // After a check wrote a default into the model. Most pages redraw; a page that must only redraw
    // while the user sees it says so.
    virtual void RedrawAfterDefault(bool isCurrentPage);
    // "Исправить" on a rule with a list item: select that row of the named list. The default works for
    // item views (list, tree, table widgets); pages with other lists override it.
    virtual void SelectListRow(const QString &listControl, int row);
    // What the page adds to the defaults a check writes (the GPRS "=" switch).
    virtual void AddDefaultOptions(DefaultOptions &options) const;
    // Runs when the page becomes the active page, before its last focused control gets the focus back.
    // By default it redraws a page that RedrawWhenShown marked.
    virtual void BeforeShow();

Q_SIGNALS:
    // The user changed a control that shows a catalogue field (see FieldBinder::UserEdited).
    void FieldEdited(const orva::Field &field);

protected:
    // Binds the page's plain controls (FieldBinder); a page calls it once, when its controls stand.
    void BindFields(std::initializer_list<QStringView> handledByPage = {});
    // Shows and stores the bound controls (all, or those whose field id starts with `idPrefix`).
    void ShowBoundFields(QStringView idPrefix = {}) const;
    void StoreBoundFields(QStringView idPrefix = {}) const;

    PageHost &host() const { return m_host; }
    // The default row selection; true when the rule's list is `list` and the row exists in it (the loop
    // and relay pages then show the selected item).
    bool SelectRowOf(const QAbstractItemView *list, const QString &listControl, int row);
    T_Command_DEVICE &model() const;
    // The model changed while the page was not shown: it is redrawn when it becomes the active page.
    void RedrawWhenShown() { m_redrawWhenShown = true; }
    // True while a ProgramChange of the step lasts on this page.
    bool IsProgramChanging(ProgramStep step) const { return m_programSteps[int(step)] > 0; }

private:
    PageHost &m_host;
    PageSlot m_slot;
    QWidget *m_tab;
    FieldBinder *m_fields = nullptr;
    bool m_redrawWhenShown = false;
    std::array<int, ProgramStepCount> m_programSteps{};

    friend class ProgramChange;
};

// Marks a program step on a page for its own lifetime; steps nest.
class ProgramChange
{
public:
    ProgramChange(EditorPage &page, ProgramStep step) : m_page(page), m_step(int(step))
    {
        ++m_page.m_programSteps[m_step];
    }
    ~ProgramChange() { --m_page.m_programSteps[m_step]; }
    ProgramChange(const ProgramChange &) = delete;
    ProgramChange &operator=(const ProgramChange &) = delete;

private:
    EditorPage &m_page;
    int m_step;
};

} // namespace orva
