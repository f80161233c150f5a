#pragma once

#include "one_file_command.h"

#include <QDate>

namespace orva::cli {

// orva-config report FILE -o OUT.pdf: the printed record of a configuration file as a PDF page.
class ReportCommand : public OneFileCommand
{
public:
    // `today` is the date printed on the record; the system's date when null.
    explicit ReportCommand(QDate today = {}) : m_today(today) {}
    QString name() const override { return QStringLiteral("report"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    bool needsGui() const override { return true; }
    void configure(QCommandLineParser &parser) const override;

protected:
    ExitCode beforeReading(const QCommandLineParser &parser, const QString &path,
                           CliStreams &io) const override;
    ExitCode run(const QCommandLineParser &parser, const QString &path, const ConfigurationInput &input,
                 CliStreams &io) const override;

private:
    QDate m_today;
};

} // namespace orva::cli
