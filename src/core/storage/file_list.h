#pragma once

#include "device_model/device.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace orva {

enum class ListFileType : quint8 {
    Plain = 0,     // *.ini, parsed whole
    Container = 1, // *.cry, read from its first 100 bytes
};

// One row of the configuration file list.
struct ListRow
{
    ListFileType type = ListFileType::Plain;
    QString fileName;   // without folder
    QString deviceName; // "??????????" until examined
    QString identifier; // as the list shows it; "????-????-????" until examined
    bool examined = false;
    bool unreadable = false; // examined, but the file could not be read
};

inline const QString UnexaminedDeviceName = QStringLiteral("??????????");
inline const QString UnexaminedIdentifier = QStringLiteral("\?\?\?\?-\?\?\?\?-\?\?\?\?");

// The files (never folders) of `folder` that match "*.ini", or "*.cry" for containers, in any letter
// case, without subfolders, ordered by name without regard to letter case. Links that lead nowhere,
// pipes and devices are listed too (examining them finds them unreadable, without waiting on a pipe),
// and so are names that are not UTF-8, decoded from Windows-1251 (FolderFileNames).
QStringList FindConfigurationFiles(const QString &folder, ListFileType type);

// A row for a file, not yet examined.
ListRow UnexaminedRow(const QString &fileName, ListFileType type);

// How much of a plain file an examination parses into the list model.
enum class PlainExamination : quint8 {
    ListFields, // a large file (IsLargeListFile) only as far as its device name and identifier
    WholeText,  // every file whole: the model holds the file's configuration
};

// Fills the row's device name and identifier: a plain file parsed into `listModel` (reset first), a
// container from its header. A file that cannot be read gets an empty name and is marked unreadable.
void ExamineListRow(const QString &folder, ListRow &row, T_Command_DEVICE &listModel,
                    PlainExamination how = PlainExamination::ListFields);

// The rows of a folder in the list's order (plain files, then containers), every one examined (on
// worker threads, see ExamineRows).
QList<ListRow> ExamineFolder(const QString &folder);

// Examines the rows of `folder` that are not examined yet, on one worker thread per core, each with its
// own list model; returns when all are done. The rows keep their order.
void ExamineRows(const QString &folder, QList<ListRow> &rows);

} // namespace orva
