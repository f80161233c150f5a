#pragma once

#include "page_setup.h"
#include "report/configuration_report.h"

#include <QPageLayout>

#include <QPointF>
#include <QString>

class QPainter;

namespace orva {

// Where the record lands on a page: the device position of its (0, 0) and the factor its layout for
// portrait A4 is scaled by.
struct RecordPlacement
{
    QPointF origin;
    double scale = 1;
};

// The record of `extent` (tenths of a millimetre) on `page`: scaled uniformly, never up, so that it fits
// the printable area right of and below the origin, centred across it, at its top.
RecordPlacement FitRecord(const ReportExtent &extent, const PageState &page);

// The record of `model` measured in the fonts of `page` and fitted to it.
RecordPlacement PlaceRecord(const T_Command_DEVICE &model, QPainter &painter, const PageState &page,
                            const ReportPage &layout);

// The factor the record of `model` is scaled by on a page of `layout` (its printable area: the paper
// less the margins) at `resolution` dots per inch, measured before anything is printed.
double RecordScaleOn(const T_Command_DEVICE &model, const QPageLayout &layout, int resolution,
                     const QString &printDate);

// The record of `model`, laid out for portrait A4, drawn on the page of `painter` as placed by
// PlaceRecord. `page` comes from the page set-up.
void DrawRecordOnPage(const T_Command_DEVICE &model, QPainter &painter, const PageState &page,
                      const QString &printDate);

} // namespace orva
