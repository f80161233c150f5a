#include "config_save.h"

#include "config_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orva {
namespace {

SaveMessage message(const char16_t *headline, const char16_t *hint)
{
    return SaveMessage{QString::fromUtf16(headline), QString::fromUtf16(hint)};
}

// A file its owner may not write (the read-only attribute of a card's file system) is write-protected,
// even for an administrator whom the system would let write it.
bool isWriteProtected(const QFileInfo &file)
{
    return !file.isWritable() || !file.permissions().testFlag(QFileDevice::WriteOwner);
}

// A write-protected file is not replaced, although the folder would allow it: the user protected it.
SaveOutcome writeAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.exists() && (!target.isFile() || isWriteProtected(target)))
        return SaveOutcome::CannotReplace;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return SaveOutcome::CannotCreate;
    }
    return file.commit() ? SaveOutcome::Saved : SaveOutcome::CannotReplace;
}

} // namespace

SaveMessage SaveFailureMessage(SaveOutcome outcome)
{
    switch (outcome) {
    case SaveOutcome::CannotCreate:
        return message(u"Ошибка записи в файл - файл не может быть создан",
                       u"Проверьте отсутствие запрета записи и наличие свободного места");
    case SaveOutcome::CannotReplace:
        return message(u"Ошибка записи в файл - файл не может быть записан",
                       u"Проверьте отсутствие запрета записи");
    case SaveOutcome::NotVerified:
        return message(u"Ошибка записи в устройство - записанный файл не совпадает с конфигурацией",
                       u"Проверьте носитель прибора и повторите запись");
    case SaveOutcome::ArmedPanel:
        return ArmedPanelMessage();
    case SaveOutcome::Saved:
        break;
    }
    return {};
}

SaveMessage OpenFailureMessage()
{
    return message(u"Ошибка открытия файла", u"Проверьте наличие файла");
}

SaveMessage FileSavedMessage()
{
    return message(u"Операция выполнена", u"Конфигурация сохранена");
}

SaveMessage DeviceWrittenMessage()
{
    return message(u"Операция выполнена", u"Файлы успешно записаны в устройство");
}

SaveMessage ArmedPanelMessage()
{
    return message(u"Прибор находится во взятом состоянии, редактирование параметров невозможно",
                   u"Для изменения параметров работы прибора необходимо снять его с охраны");
}

QByteArray ClockFileContent()
{
    return QByteArrayLiteral("PPKOP Orva clock file");
}

SaveOutcome SaveConfigurationFile(const QString &path, const QByteArray &bytes)
{
    return writeAtomically(path, bytes);
}

SaveOutcome WriteToDevice(const QString &diskRoot, const QByteArray &bytes)
{
    const QDir root(diskRoot);
    const QString configPath = root.filePath(QString::fromLatin1(DeviceConfigFileName));
    const SaveOutcome written = writeAtomically(configPath, bytes);
    if (written != SaveOutcome::Saved)
        return written;
    (void)writeAtomically(root.filePath(QString::fromLatin1(ClockFileName)), ClockFileContent());
    const FileReadResult back = ReadFileBytes(configPath);
    return back.ok && back.bytes == bytes ? SaveOutcome::Saved : SaveOutcome::NotVerified;
}

bool PanelIsArmed(const QString &configurationPath)
{
    if (configurationPath.isEmpty())
        return false;
    const QFileInfo lock(QFileInfo(configurationPath).absoluteDir(), QStringLiteral("lock.txt"));
    return lock.exists();
}

} // namespace orva
