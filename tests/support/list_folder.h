#pragma once
// A folder of configuration files for the file-list tests: plain files with and without names, in mixed
// letter case, a container, a container with a wrong signature, a folder named like a configuration
// file, and files of other types.

#include "container_encoder.h"
#include "file_bytes.h"

#include <QDir>
#include <QTemporaryDir>

namespace orva::test {

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
    return WriteBytes(folder.filePath(QStringLiteral("b.ini")),
                      "oa-\xD1\xEA\xEB\xE0\xE4\r\ngi-123456789abc\r\n") &&
           WriteBytes(folder.filePath(QStringLiteral("A.INI")), "oa-North\r\ngi-12,5678\r\n") &&
           WriteBytes(folder.filePath(QStringLiteral("c.ini")), QByteArray()) &&
           WriteBytes(folder.filePath(QStringLiteral("panel.cry")), EncodeContainer(parts)) &&
           WriteBytes(folder.filePath(QStringLiteral("broken.CRY")), EncodeContainer(bad)) &&
           WriteBytes(folder.filePath(QStringLiteral("notes.txt")), "oa-Nope\r\n") &&
           folder.mkdir(QStringLiteral("sub.ini"));
}

} // namespace orva::test
