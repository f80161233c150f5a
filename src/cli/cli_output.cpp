#include "cli_command.h"

#include "storage/config_file.h"

namespace orva::cli {

namespace {
const QString OutputOption = QStringLiteral("output");
}

void AddOutputOption(QCommandLineParser &parser)
{
    parser.addOption(
        QCommandLineOption({QStringLiteral("o"), OutputOption},
                           QStringLiteral("Write to FILE (replaced atomically) instead of standard output."),
                           QStringLiteral("FILE")));
}

int WriteOutput(const QCommandLineParser &parser, const QByteArray &bytes, CliStreams &io)
{
    if (parser.isSet(OutputOption)) {
        const QString path = parser.value(OutputOption);
        const FileWriteResult written = WriteFileAtomically(path, bytes);
        if (!written.ok) {
            io.err << "orva-config: cannot write " << path << ": " << written.error << Qt::endl;
            return ExitFailure;
        }
        return ExitOk;
    }
    if (io.out.write(bytes) != bytes.size()) {
        io.err << "orva-config: cannot write to standard output: " << io.out.errorString() << Qt::endl;
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace orva::cli
