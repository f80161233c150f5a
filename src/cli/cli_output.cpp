#include "cli_command.h"

#include "storage/config_file.h"

namespace orva::cli {

namespace {
constexpr QLatin1StringView OutputOption("output");
}

void AddOutputOption(QCommandLineParser &parser)
{
    parser.addOption(
        QCommandLineOption({QStringLiteral("o"), OutputOption},
                           QStringLiteral("Write to FILE (replaced atomically) instead of standard output."),
                           QStringLiteral("FILE")));
}

bool WritesOutputFile(const QCommandLineParser &parser)
{
    return parser.isSet(OutputOption);
}

ExitCode WriteOutput(const QCommandLineParser &parser, const QByteArray &bytes, CliStreams &io)
{
    if (WritesOutputFile(parser)) {
        const QString path = parser.value(OutputOption);
        const FileWriteResult written = WriteFileAtomically(path, bytes);
        if (!written.ok) {
            io.err << "orva-config: cannot write " << path << ": " << written.error << Qt::endl;
            return ExitCode::Failure;
        }
        return ExitCode::Ok;
    }
    return WriteToStandardOutput(bytes, io);
}

ExitCode WriteToStandardOutput(QByteArrayView bytes, CliStreams &io)
{
    if (io.outputError)
        return ExitCode::OutputFailed;
    if (io.out.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QString reason = io.out.errorString();
        io.outputError = reason.isEmpty() ? QStringLiteral("write failed") : reason;
        return ExitCode::OutputFailed;
    }
    return ExitCode::Ok;
}

QStringList WrapWords(const QString &text, qsizetype width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

} // namespace orva::cli
