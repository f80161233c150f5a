#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

class QFile;

namespace orva {

// The file system as the file list and the readers meet it, the one place that knows how the
// operating system names files.

// The names of the entries of `folder` whose names end with `suffix` (any letter case) and that are no
// folders: files, links (also those that lead nowhere), pipes, sockets and devices, hidden ones too;
// no subfolders. Ordered by name without regard to letter case. A name that is not UTF-8 (a name in
// Windows-1251, as copied from a Windows archive) is given decoded from Windows-1251, and the readers
// below find the file by that name.
QStringList FolderFileNames(const QString &folder, QStringView suffix);

// The path as the operating system names the file: the path encoded as usual, or, where no entry has
// that name, its last part encoded in Windows-1251 when those bytes are no UTF-8 and name an entry.
QByteArray NativeFilePath(const QString &path);

// Opens a regular file for reading. A pipe, socket or device is refused without waiting for a writer;
// a folder is refused too. Returns an empty text when `file` is open, otherwise why it is not.
QString OpenRegularFile(const QString &path, QFile &file);

// When the file was last changed; invalid when there is no such file.
QDateTime FileLastModified(const QString &path);

} // namespace orva
