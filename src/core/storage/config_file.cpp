#include "config_file.h"

#include "config_text/parser.h"
#include "config_text/text_utils.h"
#include "config_text/win1251_codec.h"
#include "config_text/writer.h"
#include "storage/folder_entries.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace orva {

FileReadResult ReadFileBytes(const QString &path, qint64 limit)
{
    FileReadResult result;
    const QFileInfo info(path);
    if (info.isDir()) {
        result.error = QStringLiteral("is a folder, not a file");
        return result;
    }
    // A pipe or device would block the read or never end: only regular files are configurations.
    if (info.exists() && !info.isFile()) {
        result.error = QStringLiteral("is not a regular file");
        return result;
    }
    QFile file;
    if (const QString error = OpenRegularFile(path, file); !error.isEmpty()) {
        result.error = error;
        return result;
    }
    result.bytes = limit >= 0 ? file.read(limit) : file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

FileReadResult ReadStreamBytes(QIODevice &stream, qint64 limit)
{
    constexpr qint64 Chunk = 64 * 1024;
    FileReadResult result;
    for (;;) {
        const qint64 size = result.bytes.size();
        const qint64 wanted = qMin(Chunk, limit + 1 - size);
        result.bytes.resize(size + wanted);
        // A pipe gives what its writer has written so far, and nothing only at its end.
        const qint64 read = stream.read(result.bytes.data() + size, wanted);
        result.bytes.resize(size + qMax<qint64>(read, 0));
        if (read < 0) {
            result.bytes.clear();
            result.error = stream.errorString();
            return result;
        }
        if (read == 0)
            break;
        if (result.bytes.size() > limit) {
            result.bytes.clear();
            result.error = QStringLiteral("holds more than %1 bytes, more than any configuration").arg(limit);
            return result;
        }
    }
    result.ok = true;
    return result;
}

namespace {
// True when every CR byte is followed by LF and every LF follows a CR (CR and LF are the same bytes in
// Windows-1251 as in ASCII): the decoded text then needs no line-break change. Looking at the bytes
// with memchr is much cheaper than walking the decoded text.
bool hasOnlyCrLfBreaks(QByteArrayView bytes)
{
    const char *const begin = bytes.data();
    const char *const end = begin + bytes.size();
    for (const char *p = begin; p < end;) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        const char *const upTo = lf ? lf : end;
        // The only CR of this stretch may be its last byte, right before the LF.
        const char *cr = static_cast<const char *>(std::memchr(p, '\r', size_t(upTo - p)));
        if (cr && (cr != upTo - 1 || !lf))
            return false;
        if (lf && (lf == begin || lf[-1] != '\r'))
            return false;
        if (!lf)
            return true;
        p = lf + 1;
    }
    return true;
}
} // namespace

QString ConfigurationTextFromBytes(QByteArrayView bytes)
{
    if (hasOnlyCrLfBreaks(bytes))
        return DecodeWindows1251(bytes);
    return NormalizeLineBreaks(DecodeWindows1251(bytes));
}

void LoadConfigurationText(const QString &text, T_Command_DEVICE &model, const QString &openingKey)
{
    model.ResetToDefaults();
    ParseConfigurationText(text, model);
    if (model.get(Panel::FileKey, 1).isEmpty() && !openingKey.isEmpty()) {
        model.set(Panel::FileKey, 1, openingKey);
        model.set(Panel::FileKey, 2, openingKey);
    }
}

QString FindUnencodableText(const T_Command_DEVICE &model)
{
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const CommandRow &row = CommandRowOf(code);
        for (const T_Command &r : model.records(code)) {
            for (int index = 1; index <= 2; ++index) {
                qsizetype at = -1;
                char32_t codePoint = 0;
                if (IsWindows1251Text(r.text(index), &at, &codePoint))
                    continue;
                const QString instance = row.hasSeveralInstances() ? QString::number(r.number()) : QString();
                const QString hex = QString::number(quint32(codePoint), 16).toUpper().rightJustified(4, u'0');
                return QStringLiteral("%1%2 parameter %3: character U+%4 has no Windows-1251 form")
                    .arg(row.code.toString(), instance, QString::number(index), hex);
            }
        }
    }
    return {};
}

ConfigurationBytes EncodeConfiguration(const T_Command_DEVICE &model)
{
    ConfigurationBytes result;
    if (WriteConfigurationBytes(model, result.bytes))
        return result;
    result.bytes.clear();
    result.error = FindUnencodableText(model);
    if (result.error.isEmpty())
        result.error = QStringLiteral("a character has no Windows-1251 form");
    return result;
}

} // namespace orva
