#include "file_platform.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orva {

#ifdef Q_OS_UNIX

namespace {

constexpr mode_t PermissionBits = 07777;

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

FileOwnership OwnershipOf(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return FileOwnership{true, uint(info.st_uid), uint(info.st_gid), uint(info.st_mode & PermissionBits)};
}

QString GiveOwnership(int handle, const FileOwnership &ownership)
{
    if (!ownership.known)
        return {};
    struct stat info
    {
    };
    if (::fstat(handle, &info) != 0)
        return QStringLiteral("the new file cannot be examined (%1)").arg(systemReason());
    // The owner first: changing it may clear the set-user and set-group bits, which the mode then restores.
    if ((info.st_uid != uid_t(ownership.owner) || info.st_gid != gid_t(ownership.group)) &&
        ::fchown(handle, uid_t(ownership.owner), gid_t(ownership.group)) != 0) {
        return QStringLiteral(
                   "the new file cannot be given the owner %1 and group %2 of the file it replaces "
                   "(%3)")
            .arg(ownership.owner)
            .arg(ownership.group)
            .arg(systemReason());
    }
    if (::fstat(handle, &info) != 0)
        return QStringLiteral("the new file cannot be examined (%1)").arg(systemReason());
    if ((info.st_mode & PermissionBits) != mode_t(ownership.mode) &&
        ::fchmod(handle, mode_t(ownership.mode)) != 0) {
        return QStringLiteral("the new file cannot be given the mode %1 of the file it replaces (%2)")
            .arg(ownership.mode, 4, 8, QLatin1Char('0'))
            .arg(systemReason());
    }
    return {};
}

bool IsNamedPipe(const QString &path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

#else

FileOwnership OwnershipOf(const QString &path)
{
    Q_UNUSED(path);
    return {};
}

QString GiveOwnership(int handle, const FileOwnership &ownership)
{
    Q_UNUSED(handle);
    Q_UNUSED(ownership);
    return {};
}

bool IsNamedPipe(const QString &path)
{
    Q_UNUSED(path);
    return false;
}

#endif

} // namespace orva
