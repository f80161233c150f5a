#include "frame/tab_chain.h"

#include <QTabBar>
#include <QTabWidget>

namespace orva {
namespace {

// A control that Tab stops at on its own: not a part of another such control (a spin box's line edit),
// not in a window of its own (a combo box's popup).
bool stopsTab(const QWidget *widget, const QWidget *page)
{
    if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() || widget->window() != page->window())
        return false;
    for (const QWidget *up = widget->parentWidget(); up && up != page; up = up->parentWidget()) {
        if ((up->focusPolicy() & Qt::TabFocus) && !up->focusProxy())
            return false;
    }
    return true;
}

} // namespace

void ChainPagesBefore(QTabWidget *pages, const QList<QWidget *> &after)
{
    QWidget *window = pages->window();
    QList<QWidget *> chain{pages->tabBar()};
    for (int i = 0; i < pages->count(); ++i) {
        QWidget *page = pages->widget(i);
        for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
            if (page->isAncestorOf(w) && stopsTab(w, page))
                chain.append(w);
        }
    }
    chain += after;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i), chain.at(i + 1));
}

} // namespace orva
