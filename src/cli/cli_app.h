#pragma once

#include "cli_command.h"

#include <QStringList>

namespace orva::cli {

// Runs orva-config with `arguments` (the program name first). Returns the exit code.
int RunCli(const QStringList &arguments, CliStreams &io);

} // namespace orva::cli
