#include "list_field_scan.h"

#include "config_text/parser.h"
#include "config_text/win1251_codec.h"
#include "device_model/params.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstring>

namespace orva {
namespace {

constexpr qint64 PieceBytes = 1024 * 1024;   // read at a time
constexpr qsizetype BatchBytes = 256 * 1024; // lines gathered before they are parsed

// The command codes of the list's two values, lower case.
std::array<QByteArray, 2> listCodes()
{
    return {CommandRowOf(Panel::Name.code).code.toLatin1().toLower(),
            CommandRowOf(Gprs::Identifier.code).code.toLatin1().toLower()};
}

// True when the line holds one of the codes in any letter case of A..Z (as the parser compares codes).
bool holdsCode(QByteArrayView line, const std::array<QByteArray, 2> &codes)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = char(line[i] | 0x20);
        for (const QByteArray &code : codes) {
            if (c != code[0] || i + code.size() > line.size())
                continue;
            qsizetype k = 1;
            while (k < code.size() && (line[i + k] | 0x20) == code[k])
                ++k;
            if (k == code.size())
                return true;
        }
    }
    return false;
}

// Gathers the lines that can set the list's values and parses them a batch at a time into the model.
// A line with a NUL is parsed at once with the batch before it: when the text ends at that NUL, no later
// line counts, and the filter is done.
class LineFilter
{
public:
    explicit LineFilter(T_Command_DEVICE &model) : m_model(model), m_codes(listCodes()) {}

    // A line and whether a line break ended it (the text's last line may have none).
    void Take(QByteArrayView line, bool broken = true)
    {
        const bool nul = std::memchr(line.data(), 0, size_t(line.size())) != nullptr;
        if (!nul && !holdsCode(line, m_codes))
            return;
        m_batch.append(line.data(), line.size());
        if (broken)
            m_batch.append("\r\n");
        if (nul || m_batch.size() >= BatchBytes)
            Flush();
    }

    void Flush()
    {
        if (m_batch.isEmpty())
            return;
        m_done = !ParseConfigurationText(DecodeWindows1251(m_batch), m_model);
        m_batch.clear();
    }

    // The text ended at a NUL: the rest of the file does not count.
    bool Done() const { return m_done; }

private:
    T_Command_DEVICE &m_model;
    std::array<QByteArray, 2> m_codes;
    QByteArray m_batch;
    bool m_done = false;
};

} // namespace

bool IsLargeListFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > LargeListFileBytes;
}

bool ScanListFields(const QString &path, T_Command_DEVICE &model, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    model.ResetToDefaults();
    LineFilter filter(model);
    QByteArray line; // the part of a line that ends in a later piece
    QByteArray piece;
    while (!filter.Done()) {
        piece.resize(PieceBytes);
        const qint64 got = file.read(piece.data(), PieceBytes);
        if (got < 0) {
            if (error)
                *error = file.errorString();
            return false;
        }
        if (got == 0)
            break;
        const char *p = piece.constData();
        const char *const end = p + got;
        // CR and LF each end a line (empty lines between them are dropped as no command is on them).
        while (p < end && !filter.Done()) {
            const char *lf = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
            const char *cr = static_cast<const char *>(std::memchr(p, '\r', size_t((lf ? lf : end) - p)));
            const char *brk = cr ? cr : lf;
            if (!brk) {
                line.append(p, end - p);
                break;
            }
            if (line.isEmpty()) {
                filter.Take(QByteArrayView(p, brk - p));
            } else {
                line.append(p, brk - p);
                filter.Take(line);
                line.clear();
            }
            p = brk + 1;
        }
    }
    if (!line.isEmpty() && !filter.Done())
        filter.Take(line, false);
    filter.Flush();
    return true;
}

} // namespace orva
