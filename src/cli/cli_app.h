#pragma once

#include "cli_command.h"
#include "storage/config_save.h"

#include <QDate>
#include <QStringList>

namespace orva::cli {

// What the commands reach outside the file system's plain reading and writing; tests replace it.
struct CliSeams
{
    DeviceReadBack deviceReadBack; // write-device's read-back of config.ini (the file itself when empty)
    QDate today;                   // the date the report prints on the record (the system's date when null)
};

// Runs orva-config with `arguments` (the program name first). Returns the exit code.
int RunCli(const QStringList &arguments, CliStreams &io, const CliSeams &seams = {});

// True when the command named in `arguments` (the program name first) paints and so needs a
// QGuiApplication rather than a QCoreApplication.
bool CommandNeedsGui(const QStringList &arguments);

} // namespace orva::cli
