#pragma once

#include "cli_command.h"
#include "device_model/device.h"

#include <QByteArray>
#include <QString>

namespace orva::cli {

// --key KEY and --key-stdin: the file key of an encrypted container, for every command that reads one.
void AddKeyOptions(QCommandLineParser &parser);

// The exit codes of reading a configuration, for the commands' --help.
QString ConfigurationInputExitCodes();

enum class InputKind {
    Detect,    // a container when the name ends in ".cry" (any letter case) or the first line is the
               // container's signature line; a plain configuration file otherwise
    Container, // always an encrypted container
};

struct ConfigurationInput
{
    int exitCode = ExitFailure; // ExitOk when the text was read
    QByteArray textBytes;       // the configuration text as stored (Windows-1251, line breaks as stored)
    bool fromContainer = false;
    // The key a container was opened with, trimmed of blanks and control characters as the editor's key
    // dialog gives it: a configuration without a file key gets this one.
    QString key;
};

// Reads the configuration text of FILE: a plain file as it is, a container decoded with the key of
// --key or --key-stdin (which a plain file does not need). Every failure is reported on io.err and
// carried in exitCode.
ConfigurationInput ReadConfigurationInput(const QCommandLineParser &parser, const QString &path,
                                          CliStreams &io, InputKind kind = InputKind::Detect);

// The model as the editor holds it after opening the input and storing its pages without an edit: the
// container's key as file key where the file has none, then the store form.
void LoadEditorModel(const ConfigurationInput &input, T_Command_DEVICE &model);

} // namespace orva::cli
