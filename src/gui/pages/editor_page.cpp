#include "pages/editor_page.h"

#include "pages/page_host.h"

#include "validation/validation.h"

#include <QAbstractItemView>
#include <QWidget>

namespace orva {

EditorPage::EditorPage(PageHost &host, PageSlot slot, QWidget *tab)
    : QObject(tab), m_host(host), m_slot(slot), m_tab(tab)
{}

T_Command_DEVICE &EditorPage::model() const
{
    return m_host.model();
}

void EditorPage::RedrawAfterDefault(bool)
{
    load();
}

void EditorPage::SelectListRow(const QString &listControl, int row)
{
    auto *view = m_tab->findChild<QAbstractItemView *>(listControl);
    if (!view || !view->model() || row < 0 || row >= view->model()->rowCount(view->rootIndex()))
        return;
    view->setCurrentIndex(view->model()->index(row, 0, view->rootIndex()));
}

bool EditorPage::SelectRowOf(const QAbstractItemView *list, const QString &listControl, int row)
{
    EditorPage::SelectListRow(listControl, row);
    return listControl == list->objectName() && row >= 0 && row < list->model()->rowCount();
}

void EditorPage::AddDefaultOptions(DefaultOptions &) const {}

void EditorPage::BeforeShow()
{
    if (!m_redrawWhenShown)
        return;
    m_redrawWhenShown = false;
    load();
}

} // namespace orva
