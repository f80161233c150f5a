#pragma once

#include "pages/editor_page.h"

#include <QList>

class QCheckBox;

namespace orva {

// The page "Разделы" (TabZone). Zones (partitions) are switched off in the editor: the page's tab is
// never shown, its controls are neither filled from nor written to the model, and the zone bindings of
// a configuration pass through loads and saves untouched.
class ZonePage : public EditorPage
{
    Q_OBJECT
public:
    ZonePage(PageHost &host, QWidget *tab);

    // Builds the zone grid; the window runs it once when it is created, after Create_Keys.
    void Create_Zone();
    void Redraw_Zone();
    void UnLoad_Zone();

    void load() override { Redraw_Zone(); }
    void store() override { UnLoad_Zone(); }
    void createLateControls() override { Create_Zone(); }
    // TabZoneShow: the page redraws before it takes the focus back.
    void BeforeShow() override;

    // The check boxes of the grid, zone by zone within each column group.
    const QList<QCheckBox *> &GridBoxes() const { return m_gridBoxes; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateStaticContent(); // the headers and the three information panels of the page

    QList<QCheckBox *> m_gridBoxes;
};

} // namespace orva
