#pragma once
// A FAT file system image made with mkfs.fat and mounted in user space with fusefat: the panel's
// removable disk as the panel reads it (names without letter case, small volumes that fill up, space
// taken in clusters). Tests skip with Unavailable()'s reason where FUSE or the tools are missing.

#include "system_tool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>

namespace orva::test {

class FatImage
{
public:
    // Why no image can be mounted here, or empty when it can.
    static QString Unavailable()
    {
        if (!QFileInfo::exists(QStringLiteral("/dev/fuse")))
            return QStringLiteral("/dev/fuse is missing: no FAT image can be mounted in user space");
        for (const QString &tool :
             {QStringLiteral("mkfs.fat"), QStringLiteral("fusefat"), QStringLiteral("fusermount")}) {
            if (SystemTool(tool).isEmpty())
                return tool + QStringLiteral(" is not installed (packages dosfstools, fusefat)");
        }
        return {};
    }

    // A FAT12 image of `kib` KiB with the volume label `label`, mounted read-write at root().
    explicit FatImage(int kib, const QString &label = QStringLiteral("ORVACARD"))
    {
        const QString image = m_dir.filePath(QStringLiteral("card.img"));
        const QString mountPoint = m_dir.filePath(QStringLiteral("card"));
        if (!m_dir.isValid() || !QDir().mkpath(mountPoint))
            return;
        if (run(SystemTool(QStringLiteral("mkfs.fat")),
                {QStringLiteral("-C"), QStringLiteral("-F"), QStringLiteral("12"), QStringLiteral("-n"),
                 label, image, QString::number(kib)}) != 0)
            return;
        if (run(SystemTool(QStringLiteral("fusefat")),
                {QStringLiteral("-o"), QStringLiteral("rw+"), image, mountPoint}) != 0)
            return;
        m_root = mountPoint;
    }

    ~FatImage()
    {
        if (m_root.isEmpty())
            return;
        // The file system may still be busy for a moment after the last file closed.
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (run(SystemTool(QStringLiteral("fusermount")), {QStringLiteral("-u"), m_root}) == 0)
                return;
            QThread::msleep(100);
        }
    }

    FatImage(const FatImage &) = delete;
    FatImage &operator=(const FatImage &) = delete;

    bool mounted() const { return !m_root.isEmpty(); }
    // The mounted volume's root folder.
    QString root() const { return m_root; }
    QString filePath(const QString &name) const { return QDir(m_root).filePath(name); }

    // The bytes the volume can still take.
    qint64 available() const { return QStorageInfo(m_root).bytesAvailable(); }

    // Writes a filler file so that about `left` bytes stay free (less, by up to a cluster).
    bool FillUntil(qint64 left)
    {
        const qint64 fill = available() - left;
        if (fill <= 0)
            return available() <= left;
        QFile filler(filePath(QStringLiteral("filler.bin")));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(1024, 'F');
        for (qint64 done = 0; done < fill; done += block.size()) {
            if (filler.write(block.constData(), qMin<qint64>(block.size(), fill - done)) < 0)
                return false;
        }
        return filler.flush() && available() <= left;
    }

private:
    static int run(const QString &program, const QStringList &arguments)
    {
        if (program.isEmpty())
            return -1;
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QTemporaryDir m_dir;
    QString m_root;
};

} // namespace orva::test
