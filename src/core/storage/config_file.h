#pragma once

#include "device_model/device.h"
#include "file_writer.h" // WriteFileAtomically, the one writer

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

namespace orva {

struct FileReadResult
{
    bool ok = false;
    QByteArray bytes;
    QString error; // why the file could not be read, for the user
};

// Reads a whole file (at most `limit` bytes when limit >= 0). A folder, a pipe or device, or a missing
// or unreadable file gives ok == false with the reason.
FileReadResult ReadFileBytes(const QString &path, qint64 limit = -1);

// The most a stream (a pipe, standard input) may hold: far more than any configuration (the command
// line reads regular files of tens of megabytes whole), and a bound on the memory an endless stream
// can take.
inline constexpr qint64 StreamReadLimit = qint64(64) << 20;

// Reads an open stream to its end. A stream longer than `limit` bytes gives ok == false, after reading
// no more than one byte past the limit.
FileReadResult ReadStreamBytes(QIODevice &stream, qint64 limit = StreamReadLimit);

// The text of configuration file bytes as the lexer receives it: decoded from Windows-1251 and with
// every line break as CR LF.
QString ConfigurationTextFromBytes(QByteArrayView bytes);

// Resets the model to its defaults and parses the text into it (the text already has CR LF breaks).
// A container's opening key, when given, becomes the file key (both `ks` instances) of a configuration
// that holds none, so that the next save keeps the file's key.
void LoadConfigurationText(const QString &text, T_Command_DEVICE &model, const QString &openingKey = {});

struct ConfigurationBytes
{
    QByteArray bytes;
    QString error; // the field and character that have no Windows-1251 form; empty when encoded

    bool ok() const { return error.isEmpty(); }
};

// The writer's lines, each followed by CR LF, as Windows-1251 bytes.
ConfigurationBytes EncodeConfiguration(const T_Command_DEVICE &model);

// The first text of the model that has no Windows-1251 form, as "ua3 parameter 1: character U+4E2D";
// empty when every text can be written.
QString FindUnencodableText(const T_Command_DEVICE &model);

} // namespace orva
