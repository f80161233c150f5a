#pragma once

#include "cli_command.h"

#include <QStringList>

namespace orva::cli {

// Runs orva-config with `arguments` (the program name first). Returns the exit code.
int RunCli(const QStringList &arguments, CliStreams &io);

// True when the command named in `arguments` (the program name first) paints and so needs a
// QGuiApplication rather than a QCoreApplication.
bool CommandNeedsGui(const QStringList &arguments);

} // namespace orva::cli
