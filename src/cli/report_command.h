#pragma once

#include "cli_command.h"

#include <QDate>

namespace orva::cli {

// orva-config report FILE -o OUT.pdf: the printed record of a configuration file as a PDF page.
class ReportCommand : public CliCommand
{
public:
    // `today` is the date printed on the record; the system's date when null.
    explicit ReportCommand(QDate today = {}) : m_today(today) {}
    QString name() const override { return QStringLiteral("report"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    bool needsGui() const override { return true; }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;

private:
    QDate m_today;
};

} // namespace orva::cli
