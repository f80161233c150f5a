#pragma once

#include <QList>

class QTabWidget;
class QWidget;

namespace orva {

// Puts the Tab chain in page order: the tab bar, then every page's controls (in the order the chain
// already gives them within the page), then `after` (the bottom buttons). Controls that a page builds
// after the window (rows, boxes) would otherwise follow the bottom buttons. Pages that are not current
// are hidden, so Tab goes from the current page's last control to the first bottom button.
void ChainPagesBefore(QTabWidget *pages, const QList<QWidget *> &after);

} // namespace orva
