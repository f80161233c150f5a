#include "file_list.h"

#include "config_file.h"
#include "crypto_header.h"
#include "list_examiner.h"

#include <QDir>

#include <numeric>

namespace orva {

QStringList FindConfigurationFiles(const QString &folder, ListFileType type)
{
    const QString pattern =
        type == ListFileType::Container ? QStringLiteral("*.cry") : QStringLiteral("*.ini");
    const QDir dir(folder);
    return dir.entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

ListRow UnexaminedRow(const QString &fileName, ListFileType type)
{
    ListRow row;
    row.type = type;
    row.fileName = fileName;
    row.deviceName = UnexaminedDeviceName;
    row.identifier = UnexaminedIdentifier;
    return row;
}

void ExamineListRow(const QString &folder, ListRow &row, T_Command_DEVICE &listModel)
{
    const QString path = QDir(folder).filePath(row.fileName);
    row.examined = true;
    row.unreadable = false;
    const bool container = row.type == ListFileType::Container;
    const FileReadResult read = ReadFileBytes(path, container ? CryptoHeaderReadLimit : -1);
    if (!read.ok) {
        row.unreadable = true;
        row.deviceName.clear();
        row.identifier = FormatListIdentifier(QString());
        return;
    }
    if (container) {
        const CryptoFileHeader header = ParseCryptoFileHeader(read.bytes);
        row.deviceName = header.deviceName;
        row.identifier = header.identifier;
        return;
    }
    LoadConfigurationText(ConfigurationTextFromBytes(read.bytes), listModel);
    row.deviceName = listModel.get(Panel::Name);
    row.identifier = FormatListIdentifier(listModel.get(Gprs::Identifier));
}

namespace {
QList<ListRow> unexaminedRows(const QString &folder, ListFileType type)
{
    QList<ListRow> rows;
    for (const QString &name : FindConfigurationFiles(folder, type))
        rows.append(UnexaminedRow(name, type));
    return rows;
}

void takeExamined(ListExaminer &examiner, QList<ListRow> &rows)
{
    examiner.WaitForDone();
    for (ListExaminer::Examined &examined : examiner.TakeFinished())
        rows[examined.first] = std::move(examined.second);
}
} // namespace

// The plain files are examined while the containers are being listed.
QList<ListRow> ExamineFolder(const QString &folder)
{
    QList<ListRow> rows = unexaminedRows(folder, ListFileType::Plain);
    ListExaminer examiner;
    examiner.Load(folder, rows);
    QList<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    examiner.Start(order);
    const QList<ListRow> containers = unexaminedRows(folder, ListFileType::Container);
    examiner.Add(containers);
    rows.append(containers);
    takeExamined(examiner, rows);
    return rows;
}

void ExamineRows(const QString &folder, QList<ListRow> &rows)
{
    ListExaminer examiner;
    examiner.Load(folder, rows);
    QList<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    examiner.Start(order);
    takeExamined(examiner, rows);
}

} // namespace orva
