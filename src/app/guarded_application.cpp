#include "guarded_application.h"

#include <exception>

namespace orva {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        Report(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Report(QString());
    }
    return false;
}

void GuardedApplication::Report(const QString &what)
{
    // A failure while the report itself is on screen is not reported again.
    if (m_reporting || !m_reporter) {
        qWarning("Unhandled exception in an event handler: %s", qUtf8Printable(what));
        return;
    }
    m_reporting = true;
    try {
        m_reporter(what);
    } catch (...) {
        qWarning("Unhandled exception while reporting an exception");
    }
    m_reporting = false;
}

} // namespace orva
