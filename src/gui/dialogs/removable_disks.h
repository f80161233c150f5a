#pragma once

#include <QList>
#include <QString>

#include <memory>

namespace orva {

// A removable disk: where its files live and what the user calls it.
struct RemovableDisk
{
    QString rootPath; // the disk's root folder, ending with "/"
    QString name;     // the drive letter on Windows, the volume's name elsewhere
};

// A mounted volume as the chooser names it: its root and its label, or its folder's name without one.
RemovableDisk MountedDisk(const QString &rootPath);

// The line the disk chooser shows for a disk: "Disk " + name + ": [сменный диск]".
QString DiskLine(const RemovableDisk &disk);

// Where the disk chooser learns which removable disks there are.
class RemovableDisks
{
public:
    virtual ~RemovableDisks() = default;
    virtual QList<RemovableDisk> List() const = 0;
};

// Windows: the drive letters whose root reports the removable type (an empty card reader slot
// included). Linux and others: the mounted file systems on block devices marked removable.
std::unique_ptr<RemovableDisks> PlatformRemovableDisks();

// A given list, for tests and for callers that already know the disks.
class GivenDisks : public RemovableDisks
{
public:
    explicit GivenDisks(QList<RemovableDisk> disks) : m_disks(std::move(disks)) {}
    QList<RemovableDisk> List() const override { return m_disks; }

private:
    QList<RemovableDisk> m_disks;
};

} // namespace orva
