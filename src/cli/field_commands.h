#pragma once

#include "cli_command.h"
#include "one_file_command.h"

namespace orva {
struct Field;
}

namespace orva::cli {

// orva-config fields [--json]: the field catalogue, one field per line.
class FieldsCommand : public CliCommand
{
public:
    QString name() const override { return QStringLiteral("fields"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return {ExitCode::Ok, ExitCode::Failure, ExitCode::Usage}; }
    void configure(QCommandLineParser &parser) const override;
    ExitCode execute(const QCommandLineParser &parser, CliStreams &io) const override;
};

// orva-config show FILE [--key KEY | --key-stdin] [--json]: every field as the editor shows it after
// opening the file.
class ShowCommand : public OneFileCommand
{
public:
    QString name() const override { return QStringLiteral("show"); }
    QString description() const override;
    QList<ExitCode> exitCodes() const override { return ReadingExitCodes; }
    void configure(QCommandLineParser &parser) const override;

protected:
    ExitCode run(const QCommandLineParser &parser, const QString &path, const ConfigurationInput &input,
                 CliStreams &io) const override;
};

// "page / field" of a field, as the text outputs name it.
QString FieldPath(const Field &field);

} // namespace orva::cli
