#include "folder_entries.h"

#include "config_text/win1251_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <system_error>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orva {
namespace {

bool byName(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

#ifdef Q_OS_UNIX

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder converts when its result becomes a string; only then is an error known.
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError() && (!decoded.isEmpty() || bytes.isEmpty());
}

QString displayName(QByteArrayView native)
{
    return isUtf8(native) ? QFile::decodeName(native.toByteArray()) : DecodeWindows1251(native);
}

bool exists(const QByteArray &native)
{
    struct stat status;
    return ::lstat(native.constData(), &status) == 0;
}

QString errorText(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

#endif

} // namespace

#ifdef Q_OS_UNIX

QStringList FolderFileNames(const QString &folder, QStringView suffix)
{
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    const int dirFd = ::dirfd(dir);
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView native(entry->d_name);
        if (native == "." || native == "..")
            continue;
        const QString name = displayName(native);
        if (!name.endsWith(suffix, Qt::CaseInsensitive))
            continue;
        // A link is followed to tell a folder; a link that leads nowhere is listed.
        struct stat status;
        if (::fstatat(dirFd, entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode))
            continue;
        names.append(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), byName);
    return names;
}

QByteArray NativeFilePath(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (exists(native))
        return native;
    const QFileInfo info(path);
    const EncodeResult name = EncodeWindows1251(info.fileName());
    if (!name.ok() || name.bytes.isEmpty() || isUtf8(name.bytes))
        return native;
    QByteArray other = QFile::encodeName(info.path());
    if (!other.endsWith('/'))
        other += '/';
    other += name.bytes;
    return exists(other) ? other : native;
}

QString OpenRegularFile(const QString &path, QFile &file)
{
    // O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer.
    const int fd = ::open(NativeFilePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errorText(errno);
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return errorText(error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return S_ISDIR(status.st_mode) ? QStringLiteral("is a folder, not a file")
                                       : QStringLiteral("is not a regular file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}

QDateTime FileLastModified(const QString &path)
{
    struct stat status;
    if (::stat(NativeFilePath(path).constData(), &status) != 0)
        return {};
    return QDateTime::fromSecsSinceEpoch(status.st_mtime);
}

#else

// Elsewhere file names are Unicode: every name has its text, and the file system API of Qt reaches it.
QStringList FolderFileNames(const QString &folder, QStringView suffix)
{
    QStringList names;
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : entries) {
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), byName);
    return names;
}

QByteArray NativeFilePath(const QString &path)
{
    return QFile::encodeName(path);
}

QString OpenRegularFile(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("is a folder, not a file");
    if (info.exists() && !info.isFile())
        return QStringLiteral("is not a regular file");
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}

QDateTime FileLastModified(const QString &path)
{
    return QFileInfo(path).lastModified();
}

#endif

} // namespace orva
