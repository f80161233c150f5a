#pragma once
// Failing disks for the tests of writing: a file size limit (a write is cut short, as on a full disk),
// an immutable file (write-protected for an administrator too), and what a folder holds afterwards.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif
#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace orva::test {

// While it lives, no file of this process can grow beyond `bytes`: a write past the limit is cut short
// or fails, as on a full disk. SIGXFSZ, which would end the process, is ignored meanwhile.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes)
    {
#ifdef Q_OS_UNIX
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &m_previous) != 0)
            return;
        rlimit limited = m_previous;
        limited.rlim_cur = std::min<rlim_t>(rlim_t(bytes), m_previous.rlim_max);
        m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
#else
        Q_UNUSED(bytes);
#endif
    }
    ~FileSizeLimit()
    {
#ifdef Q_OS_UNIX
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
#endif
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active() const
    {
        return m_active;
    }

private:
    bool m_active = false;
#ifdef Q_OS_UNIX
    rlimit m_previous{};
    void (*m_handler)(int) = SIG_DFL;
#endif
};

// The immutable attribute (chattr +i) on a file while it lives: nobody, not even an administrator, may
// change, replace or delete the file. Needs the right to set it and a file system that has it; reason()
// says why it could not be set.
class ImmutableFile
{
public:
    explicit ImmutableFile(const QString &path) : m_path(path) { m_set = change(true); }
    ~ImmutableFile()
    {
        if (m_set)
            change(false);
    }
    ImmutableFile(const ImmutableFile &) = delete;
    ImmutableFile &operator=(const ImmutableFile &) = delete;

    bool ok() const { return m_set; }
    QString reason() const { return m_reason; }

private:
    bool change(bool on)
    {
#ifdef Q_OS_LINUX
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return fail(errno);
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        const int error = errno;
        ::close(fd);
        return done || fail(error);
#else
        Q_UNUSED(on);
        m_reason = QStringLiteral("the immutable attribute is set this way only on Linux");
        return false;
#endif
    }

    bool fail(int error)
    {
#ifdef Q_OS_LINUX
        m_reason = QStringLiteral("cannot set the immutable attribute (chattr +i): %1")
                       .arg(QString::fromLocal8Bit(std::strerror(error)));
#else
        Q_UNUSED(error);
#endif
        return false;
    }

    QString m_path;
    QString m_reason;
    bool m_set = false;
};

// Every entry of the folder, hidden ones too (a temporary file left behind shows here).
inline QStringList FolderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// The owner's read-only attribute: no write bit for anyone.
inline bool RemoveWriteBits(const QString &path)
{
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

} // namespace orva::test
