#pragma once

// Files for the open, save and start-up tests: fixtures, containers made by the test encoder, the
// model the core loads from a file (what the editor must hold after opening it), and the messages of a
// write that failed.
#include "container_encoder.h"
#include "file_bytes.h"

#include "config_text/win1251_codec.h"
#include "device_model/device.h"
#include "device_model/store_form.h"
#include "frame/main_window.h"
#include "storage/config_file.h"

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTest>

namespace orva::test {

// The error box of a write that failed: an existing file, or a file that cannot be created.
inline const QString CannotWrite = QStringLiteral("Ошибка записи в файл - файл не может быть записан");
inline const QString CannotWriteHint = QStringLiteral("Проверьте отсутствие запрета записи");
inline const QString CannotCreate = QStringLiteral("Ошибка записи в файл - файл не может быть создан");
inline const QString CannotCreateHint =
    QStringLiteral("Проверьте отсутствие запрета записи и наличие свободного места");

// Gives the file a known modification time, for the status line's date.
inline bool SetModified(const QString &path, const QDateTime &when)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime);
}

// A container of the configuration text (Windows-1251 bytes) under `key`.
inline QByteArray ContainerOf(const QByteArray &text, const QString &key)
{
    ContainerParts parts;
    parts.text = text;
    parts.keyBytes = RepeatKeyBytes(EncodeWindows1251(key).bytes);
    parts.deviceName = QByteArrayLiteral("Device");
    parts.identifier = QByteArrayLiteral("0102030405AB");
    parts.filler = 3;
    return EncodeContainer(parts);
}

// The model the core loads from the text, with a container's opening key.
inline void CoreLoad(const QByteArray &text, T_Command_DEVICE &model, const QString &key = {})
{
    LoadConfigurationText(ConfigurationTextFromBytes(text), model, key);
}

// The window's model, stored from its pages without an edit, equals `expected` in its stored form:
// how a test says "the window holds this configuration" now that pages store what they show.
inline bool HoldsStored(TForm2 &window, const T_Command_DEVICE &working, T_Command_DEVICE expected)
{
    window.UnLoad_All();
    ApplyStoreForm(expected);
    return SameModel(working, expected);
}

} // namespace orva::test
