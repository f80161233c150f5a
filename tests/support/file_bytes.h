#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orva::test {

// A fixture's path under tests/fixtures.
inline QString FixturePath(const QString &name)
{
    return QStringLiteral(ORVA_FIXTURES_DIR "/") + name;
}

// A file's whole bytes; empty when it cannot be read.
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` as the whole file; false when any of them could not be written.
inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace orva::test
