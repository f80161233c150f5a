#include "program_settings.h"

#include <QDir>
#include <QSettings>

namespace orva {
namespace {

constexpr QLatin1StringView ListPathKey("ListPathSave");
constexpr QLatin1StringView ListModeKey("ListModeOpenSave");
constexpr QLatin1StringView MaskModeKey("MaskMode");
constexpr QLatin1StringView MaskPrefKey("MaskPref");
constexpr QLatin1StringView MaskSuffKey("MaskSuff");

QString DelimiterKey(int k)
{
    return QStringLiteral("MaskDelim%1").arg(k);
}

QString IdentKey(int element)
{
    return QStringLiteral("MaskIdent%1").arg(element);
}

bool ReadBool(const QSettings &settings, const QString &key, bool fallback)
{
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toBool() : fallback;
}

QString ReadText(const QSettings &settings, const QString &key, const QString &fallback)
{
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toString() : fallback;
}

} // namespace

QString WithTrailingSeparator(const QString &path)
{
    if (path.endsWith(u'/') || path.endsWith(u'\\'))
        return path;
    return path + u'/';
}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings, QString programFolder)
    : m_settings(std::move(settings)), m_programFolder(std::move(programFolder))
{}

SettingsStore::~SettingsStore() = default;

std::unique_ptr<QSettings> SettingsStore::OpenPlatformSettings()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Norvek\\PPKOPOrva"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Norvek"), QStringLiteral("PPKOPOrva"));
#endif
}

ProgramSettings SettingsStore::Read() const
{
    ProgramSettings s;
    const QString folder = ReadText(*m_settings, ListPathKey, m_programFolder);
    s.listPath = WithTrailingSeparator(QDir::fromNativeSeparators(folder));
    s.listMode = ReadBool(*m_settings, ListModeKey, s.listMode);
    s.maskMode = ReadBool(*m_settings, MaskModeKey, s.maskMode);
    s.mask.prefix = ReadText(*m_settings, MaskPrefKey, s.mask.prefix);
    for (int k = 1; k < MaskElementCount; ++k)
        s.mask.delimiters[k - 1] = ReadText(*m_settings, DelimiterKey(k), s.mask.delimiters[k - 1]);
    s.mask.suffix = ReadText(*m_settings, MaskSuffKey, s.mask.suffix);
    for (int element = 1; element <= MaskElementCount; ++element) {
        bool ok = false;
        const int kind = m_settings->value(IdentKey(element)).toInt(&ok);
        s.mask.kinds[element - 1] = ok ? EffectiveMaskKind(element, kind) : DefaultMaskKind(element);
    }
    return s;
}

SettingsWriteResult SettingsStore::Write(const ProgramSettings &s)
{
    // Booleans as 0/1 numbers, the form the registry has always held them in.
    m_settings->setValue(ListPathKey, QDir::toNativeSeparators(WithTrailingSeparator(s.listPath)));
    m_settings->setValue(ListModeKey, s.listMode ? 1 : 0);
    m_settings->setValue(MaskModeKey, s.maskMode ? 1 : 0);
    m_settings->setValue(MaskPrefKey, s.mask.prefix);
    for (int k = 1; k < MaskElementCount; ++k)
        m_settings->setValue(DelimiterKey(k), s.mask.delimiters[k - 1]);
    m_settings->setValue(MaskSuffKey, s.mask.suffix);
    for (int element = 1; element <= MaskElementCount; ++element)
        m_settings->setValue(IdentKey(element), s.mask.kinds[element - 1]);
    m_settings->sync();

    if (m_settings->status() == QSettings::NoError)
        return {true, {}, {}};
    return {false, QStringLiteral("Ошибка записи параметров работы программы"),
#ifdef Q_OS_WIN
            QStringLiteral("Нет права записи в раздел реестра ") + Location() +
                QStringLiteral(": запустите программу от имени администратора. До выхода из программы "
                               "действуют новые параметры")
#else
            QStringLiteral("Нет права записи в файл ") + Location() +
                QStringLiteral(": проверьте права доступа к нему и к его папке. До выхода из программы "
                               "действуют новые параметры")
#endif
    };
}

QString SettingsStore::Location() const
{
    return QDir::toNativeSeparators(m_settings->fileName());
}

} // namespace orva
