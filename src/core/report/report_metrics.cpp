#include "report_metrics.h"

#include <cmath>

namespace orva {

int RoundHalfEven(double value)
{
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(value));
}

ReportMetrics MeasureReport(const ReportCanvas &canvas)
{
    ReportMetrics m;
    m.L = canvas.textHeight(QStringLiteral("Рр"));
    m.K = canvas.textAdvance(QStringLiteral("0"));
    m.H = RoundHalfEven(m.L / 2.0);
    return m;
}

} // namespace orva
