// make_list_folder DIR PLAIN CONTAINERS: writes PLAIN configuration files and CONTAINERS encrypted
// containers into DIR, each with its own device name and identifier.
#include "container_encoder.h"
#include "storage/config_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace orva;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: make_list_folder DIR PLAIN CONTAINERS\n");
        return 2;
    }
    const QDir dir(args[1]);
    const int plain = args[2].toInt();
    const int containers = args[3].toInt();

    T_Command_DEVICE model;
    model.ResetToDefaults();
    for (int i = 0; i < plain; ++i) {
        model.record(Cmd::oa).setText(1, QStringLiteral("Panel%1").arg(i));
        model.record(Cmd::gi).setText(1, QStringLiteral("%1").arg(i, 12, 16, QLatin1Char('0')).toUpper());
        QFile file(dir.filePath(QStringLiteral("panel%1.ini").arg(i, 5, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(EncodeConfiguration(model).bytes) < 0)
            return 1;
    }
    test::ContainerParts parts;
    parts.text = EncodeConfiguration(model).bytes;
    parts.keyBytes = test::RepeatKeyBytes("benchmark");
    for (int i = 0; i < containers; ++i) {
        parts.deviceName = QStringLiteral("Box%1").arg(i, 7, 10, QLatin1Char('0')).toLatin1();
        parts.identifier = QStringLiteral("%1").arg(i, 12, 16, QLatin1Char('0')).toLatin1();
        QFile file(dir.filePath(QStringLiteral("box%1.cry").arg(i, 5, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(test::EncodeContainer(parts)) < 0)
            return 1;
    }
    return 0;
}
