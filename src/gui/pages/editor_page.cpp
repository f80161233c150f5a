#include "pages/editor_page.h"

#include "pages/field_binder.h"
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

void EditorPage::BindFields(std::initializer_list<QStringView> handledByPage)
{
    Q_ASSERT(!m_fields);
    m_fields = new FieldBinder(m_tab, handledByPage);
    connect(m_fields, &FieldBinder::UserEdited, this, &EditorPage::FieldEdited);
}

void EditorPage::ShowBoundFields(QStringView idPrefix) const
{
    m_fields->show(model(), idPrefix);
}

void EditorPage::StoreBoundFields(QStringView idPrefix) const
{
    m_fields->store(model(), idPrefix);
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
