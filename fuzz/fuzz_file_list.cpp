// The file list examining a folder that holds one arbitrary file, as a plain file and as a container:
// one examined row each, with an identifier in the list's form.
#include "fuzz_support.h"
#include "storage/file_list.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace orva;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QDir folder(dir.path());
    for (const QString &name : {QStringLiteral("one.ini"), QStringLiteral("one.cry")}) {
        QFile file(folder.filePath(name));
        ORVA_FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QList<ListRow> rows = ExamineFolder(dir.path());
    ORVA_FUZZ_CHECK(rows.size() == 2);
    for (const ListRow &row : rows) {
        ORVA_FUZZ_CHECK(row.examined);
        ORVA_FUZZ_CHECK(row.identifier.size() == 14);
    }
    return 0;
}
