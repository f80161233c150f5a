#include "frame/start_arguments.h"

namespace orva {

StartArguments ParseStartArguments(const QStringList &arguments)
{
    StartArguments start;
    bool optionsEnded = false;
    bool fileTaken = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded) {
            if (argument == u"--") {
                optionsEnded = true;
                continue;
            }
            if (argument == u"--version") {
                start.action = StartArguments::Action::Version;
                return start;
            }
            if (argument == u"--help" || argument == u"-h") {
                start.action = StartArguments::Action::Help;
                return start;
            }
            if (argument.startsWith(u"--")) {
                start.action = StartArguments::Action::UnknownOption;
                start.unknownOption = argument;
                return start;
            }
            if (i == 0 && argument.compare(u"-debug", Qt::CaseInsensitive) == 0) {
                start.debug = true;
                continue;
            }
        }
        // The first file name counts; the rest are ignored, as they always were.
        if (!fileTaken) {
            start.file = argument;
            fileTaken = true;
        }
    }
    return start;
}

QString StartUsageText()
{
    return QStringLiteral("Usage: orva-configurator [-debug] [--] [FILE]\n"
                          "\n"
                          "The configurator of the Zentrix Orva panel. Opens FILE (a configuration, or an\n"
                          "encrypted container *.cry), else config.ini or config.cry of the current folder.\n"
                          "\n"
                          "  -debug     also show the page \"Текст\" with the configuration text as read\n"
                          "             (only as the first argument)\n"
                          "  --         every argument after it is a file name\n"
                          "  --version  print the version and exit\n"
                          "  -h, --help print this text and exit\n");
}

} // namespace orva
