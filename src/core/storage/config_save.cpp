#include "config_save.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace orva {
namespace {

SaveMessage message(const char16_t *headline, const char16_t *hint)
{
    return SaveMessage{QString::fromUtf16(headline), QString::fromUtf16(hint)};
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

SaveOutcome SaveOutcomeOf(const FileWriteResult &written)
{
    switch (written.failure) {
    case FileWriteFailure::None:
        return written.ok ? SaveOutcome::Saved : SaveOutcome::CannotCreate;
    case FileWriteFailure::CannotCreate:
        return SaveOutcome::CannotCreate;
    case FileWriteFailure::Protected:
    case FileWriteFailure::CannotReplace:
    case FileWriteFailure::OwnerNotKept:
        break;
    }
    return SaveOutcome::CannotReplace;
}

SaveOutcome SaveConfigurationFile(const QString &path, const QByteArray &bytes)
{
    return SaveOutcomeOf(WriteFileAtomically(path, bytes));
}

SaveOutcome WriteToDevice(const QString &diskRoot, const QByteArray &bytes, const DeviceReadBack &readBack)
{
    // An empty root would be the current folder: never a panel's disk.
    if (diskRoot.isEmpty() || !QFileInfo(diskRoot).isDir())
        return SaveOutcome::CannotCreate;
    const QDir root(diskRoot);
    const QString configPath = root.filePath(QString::fromLatin1(DeviceConfigFileName));
    if (PanelIsArmed(configPath))
        return SaveOutcome::ArmedPanel;
    const SaveOutcome written = SaveConfigurationFile(configPath, bytes);
    if (written != SaveOutcome::Saved)
        return written;
    (void)WriteFileAtomically(root.filePath(QString::fromLatin1(ClockFileName)), ClockFileContent());
    const FileReadResult back = readBack ? readBack(configPath) : ReadFileBytes(configPath);
    return back.ok && back.bytes == bytes ? SaveOutcome::Saved : SaveOutcome::NotVerified;
}

bool PanelIsArmed(const QString &configurationPath)
{
    if (configurationPath.isEmpty())
        return false;
    // Name filters ignore letter case unless asked not to; the walk stops at the first match.
    QDirIterator lock(QFileInfo(configurationPath).absolutePath(), {QStringLiteral("lock.txt")},
                      QDir::Files | QDir::Hidden | QDir::System);
    return lock.hasNext();
}

} // namespace orva
