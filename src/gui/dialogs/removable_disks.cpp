#include "dialogs/removable_disks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace orva {
namespace {

#ifdef Q_OS_WIN

class WindowsRemovableDisks : public RemovableDisks
{
public:
    QList<RemovableDisk> List() const override
    {
        QList<RemovableDisk> disks;
        const DWORD mask = GetLogicalDrives();
        for (int i = 0; i < 26; ++i) {
            if (!(mask & (1u << i)))
                continue;
            const QChar letter(u'A' + i);
            const QString root = QString(letter) + QStringLiteral(":\\");
            if (GetDriveTypeW(reinterpret_cast<LPCWSTR>(root.utf16())) == DRIVE_REMOVABLE)
                disks.append({QString(letter) + QStringLiteral(":/"), QString(letter)});
        }
        return disks;
    }
};

#else

// True when the kernel marks the block device (or, for a partition, its disk) removable.
bool IsRemovableBlockDevice(const QString &device)
{
    if (!device.startsWith(QStringLiteral("/dev/")))
        return false;
    const QString name = QFileInfo(device).canonicalFilePath().section(u'/', -1);
    QString sysPath = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sysPath.isEmpty())
        return false;
    if (QFileInfo::exists(sysPath + QStringLiteral("/partition")))
        sysPath = QFileInfo(sysPath).absolutePath();
    QFile flag(sysPath + QStringLiteral("/removable"));
    return flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1";
}

class MountedRemovableDisks : public RemovableDisks
{
public:
    QList<RemovableDisk> List() const override
    {
        QList<RemovableDisk> disks;
        const auto volumes = QStorageInfo::mountedVolumes();
        for (const QStorageInfo &volume : volumes) {
            if (!volume.isValid() || !IsRemovableBlockDevice(QString::fromLocal8Bit(volume.device())))
                continue;
            disks.append(MountedDisk(volume.rootPath()));
        }
        return disks;
    }
};

#endif

} // namespace

RemovableDisk MountedDisk(const QString &rootPath)
{
    const QStorageInfo volume(rootPath);
    QString name = volume.name();
    if (name.isEmpty())
        name = QDir(rootPath).dirName();
    QString root = volume.isValid() ? volume.rootPath() : rootPath;
    if (!root.endsWith(u'/'))
        root += u'/';
    return {root, name};
}

QString DiskLine(const RemovableDisk &disk)
{
    return QStringLiteral("Disk ") + disk.name + QStringLiteral(": [сменный диск]");
}

std::unique_ptr<RemovableDisks> PlatformRemovableDisks()
{
#ifdef Q_OS_WIN
    return std::make_unique<WindowsRemovableDisks>();
#else
    return std::make_unique<MountedRemovableDisks>();
#endif
}

} // namespace orva
