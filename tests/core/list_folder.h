#pragma once
// A folder of configuration files for the file-list tests: plain files with and without names, in mixed
// letter case, a container, a container with a wrong signature, a folder named like a configuration
// file, and files of other types.

#include "container_encoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace orva::test {

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline bool fillListFolder(const QTemporaryDir &dir)
{
    ContainerParts parts;
    parts.text = "oa-Inside\r\n";
    parts.keyBytes = RepeatKeyBytes("secret");
    parts.deviceName = "Sklad-7   ";
    parts.identifier = "00ab12-34cd5";
    ContainerParts bad = parts;
    bad.signatureLine = "NOT A PANEL FILE";
    const QDir folder(dir.path());
    return writeBytes(folder.filePath(QStringLiteral("b.ini")),
                      "oa-\xD1\xEA\xEB\xE0\xE4\r\ngi-123456789abc\r\n") &&
           writeBytes(folder.filePath(QStringLiteral("A.INI")), "oa-North\r\ngi-12,5678\r\n") &&
           writeBytes(folder.filePath(QStringLiteral("c.ini")), QByteArray()) &&
           writeBytes(folder.filePath(QStringLiteral("panel.cry")), EncodeContainer(parts)) &&
           writeBytes(folder.filePath(QStringLiteral("broken.CRY")), EncodeContainer(bad)) &&
           writeBytes(folder.filePath(QStringLiteral("notes.txt")), "oa-Nope\r\n") &&
           folder.mkdir(QStringLiteral("sub.ini"));
}

} // namespace orva::test
