#include "report_command.h"

#include "configuration_input.h"
#include "pdf_output.h"
#include "report/print_identifier.h"
#include "storage/config_file.h"

namespace orva::cli {

QString ReportCommand::description() const
{
    return QStringLiteral(
        "Draw the printed configuration record of a configuration file (plain or an encrypted container "
        "with its key) as a one-page A4 PDF, as the editor prints it after opening the file, fitted inside "
        "a margin of 10 mm. Without -o the PDF goes to standard output, never to a terminal.");
}

void ReportCommand::configure(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The configuration file to read."));
    AddKeyOptions(parser);
    AddOutputOption(parser);
}

ExitCode ReportCommand::beforeReading(const QCommandLineParser &parser, const QString &, CliStreams &io) const
{
    // A PDF is binary: shown on a terminal it is garbage and may upset the terminal itself.
    if (!WritesOutputFile(parser) && io.outIsTerminal) {
        io.err
            << "orva-config: report writes a binary PDF, which is not written to a terminal: give -o OUT.pdf "
            << "or redirect standard output" << Qt::endl;
        return ExitCode::Usage;
    }
    return ExitCode::Ok;
}

ExitCode ReportCommand::run(const QCommandLineParser &parser, const QString &,
                            const ConfigurationInput &input, CliStreams &io) const
{
    T_Command_DEVICE model;
    LoadEditorModel(input, model);
    // As the print flow does before it prints.
    NormalizeIdentifierForPrint(model);

    const PdfResult pdf = RenderReportPdf(model, m_today.isNull() ? QDate::currentDate() : m_today);
    if (!pdf.ok) {
        io.err << "orva-config: cannot draw the record: " << pdf.error << Qt::endl;
        return ExitCode::Failure;
    }
    return WriteOutput(parser, pdf.bytes, io);
}

} // namespace orva::cli
