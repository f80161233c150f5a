#pragma once

#include "cli_command.h"
#include "device_model/device.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace orva::cli {

// --key KEY and --key-stdin: the file key of an encrypted container, for every command that reads one.
void AddKeyOptions(QCommandLineParser &parser);

enum class InputKind {
    Detect,    // a container when the name ends in ".cry" (any letter case) or the first line is the
               // container's signature line; a plain configuration file otherwise
    Container, // always an encrypted container
};

struct ConfigurationInput
{
    ExitCode exitCode = ExitCode::Failure; // Ok when the text was read
    QByteArray textBytes; // the configuration text as stored (Windows-1251, line breaks as stored)
    bool fromContainer = false;
    // The key a container was opened with, trimmed of blanks and control characters as the editor's key
    // dialog gives it: a configuration without a file key gets this one.
    QString key;
};

// Reads the configuration text of FILE: a plain file as it is, a container decoded with the key of
// --key or --key-stdin (which a plain file does not need). FILE "-" is standard input and a named pipe
// is read as a stream, both up to StreamReadLimit bytes. Every failure is reported on io.err and
// carried in exitCode.
ConfigurationInput ReadConfigurationInput(const QCommandLineParser &parser, const QString &path,
                                          CliStreams &io, InputKind kind = InputKind::Detect);

// The same with the key given by the caller (a command with a key option per file): a container needs
// `key`; `keyOption` names the option in the message when it is missing (beside --keys-stdin).
ConfigurationInput ReadConfigurationInputWithKey(const QString &path, const std::optional<QString> &key,
                                                 const QString &keyOption, CliStreams &io);

// True for the FILE "-": standard input (a file of that name is "./-").
bool IsStandardInput(const QString &path);
// FILE as messages name it: "standard input" for "-".
QString InputName(const QString &path);

// The next line of standard input as a key (--key-stdin, --keys-stdin), without its line break; an
// empty key when no line is left. Null when there is no standard input.
std::optional<QString> ReadKeyLine(CliStreams &io);

// True when FILE is read as a container: its name ends in ".cry" (any letter case) or its bytes start
// with the container's signature line.
bool IsContainerInput(const QString &path, QByteArrayView bytes);

// The model as the editor holds it after opening the input and storing its pages without an edit: the
// container's key as file key where the file has none, then the store form.
void LoadEditorModel(const ConfigurationInput &input, T_Command_DEVICE &model);

} // namespace orva::cli
