#include "record_file_name.h"

#include "file_name_mask.h"

#include <QDir>
#include <QFileInfo>

namespace orva {
namespace {

constexpr QLatin1StringView MaskSuffix(".ini");
constexpr QLatin1StringView PdfSuffix(".pdf");
constexpr QLatin1StringView UnnamedConfiguration("config");

QString baseName(const ProgramSettings &settings, const QString &deviceName, const QString &ident,
                 const QString &configurationFile)
{
    if (settings.maskMode) {
        QString name = FormFileNameByMask(settings.mask, deviceName, ident);
        name.chop(MaskSuffix.size());
        return name;
    }
    const QString own = QFileInfo(configurationFile).completeBaseName();
    return own.isEmpty() ? UnnamedConfiguration : own;
}

} // namespace

QString RecordPdfPath(const ProgramSettings &settings, const QString &deviceName, const QString &ident,
                      const QString &configurationFile, const QString &otherFolder)
{
    const QString folder = settings.listMode ? settings.listPath : otherFolder;
    return QDir(folder).filePath(baseName(settings, deviceName, ident, configurationFile) + PdfSuffix);
}

} // namespace orva
