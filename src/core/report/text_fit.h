#pragma once

#include "report_canvas.h"

#include <QString>

namespace orva {

// `text` when it is at most `width` wide in `style`; otherwise as much of its beginning and its end as
// fits around "…", so that a delay, a time or a period at the end stays in view. Empty when not even
// "…" fits.
QString ElideMiddle(const ReportCanvas &canvas, const QString &text, int width, FontStyle style);

} // namespace orva
