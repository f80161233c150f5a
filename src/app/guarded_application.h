#pragma once

#include <QApplication>

#include <functional>

namespace orva {

// The application object of the editor. An exception that escapes an event handler is caught here and
// handed to the reporter (the error box); the event loop goes on.
class GuardedApplication : public QApplication
{
    Q_OBJECT
public:
    using Reporter = std::function<void(const QString &what)>;

    GuardedApplication(int &argc, char **argv);

    void SetExceptionReporter(Reporter reporter) { m_reporter = std::move(reporter); }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void Report(const QString &what);

    Reporter m_reporter;
    bool m_reporting = false;
};

} // namespace orva
