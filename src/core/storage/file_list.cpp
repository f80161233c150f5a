#include "file_list.h"

#include "config_file.h"
#include "crypto_header.h"
#include "folder_entries.h"
#include "list_examiner.h"
#include "list_field_scan.h"

#include <QDir>

#include <numeric>

namespace orva {

QStringList FindConfigurationFiles(const QString &folder, ListFileType type)
{
    return FolderFileNames(folder, type == ListFileType::Container ? u".cry" : u".ini");
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

namespace {
// Parses a plain file into the model, a large one only as far as the list needs; false when the file
// cannot be read.
bool parsePlainFile(const QString &path, T_Command_DEVICE &model, PlainExamination how)
{
    if (how == PlainExamination::ListFields && IsLargeListFile(path))
        return ScanListFields(path, model);
    const FileReadResult read = ReadFileBytes(path);
    if (read.ok)
        LoadConfigurationText(ConfigurationTextFromBytes(read.bytes), model);
    return read.ok;
}
} // namespace

void ExamineListRow(const QString &folder, ListRow &row, T_Command_DEVICE &listModel, PlainExamination how)
{
    const QString path = QDir(folder).filePath(row.fileName);
    row.examined = true;
    row.unreadable = false;
    bool read = false;
    if (row.type == ListFileType::Container) {
        const FileReadResult header = ReadFileBytes(path, CryptoHeaderReadLimit);
        read = header.ok;
        if (read) {
            const CryptoFileHeader fields = ParseCryptoFileHeader(header.bytes);
            row.deviceName = fields.deviceName;
            row.identifier = fields.identifier;
        }
    } else {
        read = parsePlainFile(path, listModel, how);
        if (read) {
            row.deviceName = listModel.get(Panel::Name);
            row.identifier = FormatListIdentifier(listModel.get(Gprs::Identifier));
        }
    }
    if (!read) {
        row.unreadable = true;
        row.deviceName.clear();
        row.identifier = FormatListIdentifier(QString());
    }
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
