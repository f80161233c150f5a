#pragma once
// Folder entries that are no ordinary files, for the file-list and command-line tests: a pipe, a link
// that leads nowhere, and a file whose name is not UTF-8.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orva::test {

// "Пульт.ini" in Windows-1251, as a Windows archive names it.
inline const QByteArray Windows1251Name = QByteArrayLiteral("\xCF\xF3\xEB\xFC\xF2.ini");
inline const QString Windows1251NameText = QStringLiteral("Пульт.ini");

inline bool MakePipe(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

inline bool MakeDanglingLink(const QString &path)
{
    return ::symlink("/nonexistent/target.ini", QFile::encodeName(path).constData()) == 0;
}

// A file named by the bytes `name` in `folder`, removed again when it goes (QTemporaryDir cannot see
// a name that is not UTF-8, so it would leave the file and its folder behind).
class RawNamedFile
{
public:
    RawNamedFile(const QString &folder, const QByteArray &name, const QByteArray &bytes)
        : m_path(QFile::encodeName(folder) + '/' + name)
    {
        const int fd = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0)
            return;
        const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
        m_ok = ::close(fd) == 0 && written;
    }
    ~RawNamedFile() { ::unlink(m_path.constData()); }
    RawNamedFile(const RawNamedFile &) = delete;
    RawNamedFile &operator=(const RawNamedFile &) = delete;

    bool ok() const { return m_ok; }

private:
    QByteArray m_path;
    bool m_ok = false;
};

} // namespace orva::test
