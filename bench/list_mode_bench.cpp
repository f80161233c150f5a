// list_mode_bench DIR: builds the editor's configuration file list of DIR offscreen and lets it examine
// every row as the window does (its workers, its timer); prints the time to the first rows and to the
// last row, and the longest stall of the window's event loop meanwhile.
#include "device_model/device.h"
#include "editor/file_list_mode.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

using namespace orva;

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: list_mode_bench DIR\n");
        return 2;
    }
    QWidget window;
    T_Command_DEVICE listModel;
    FileListMode mode(&window, &listModel);
    window.show();

    QElapsedTimer clock;
    clock.start();
    mode.OpenFileList(QString::fromLocal8Bit(argv[1]));
    mode.SetListVisible(true);
    const qint64 shown = clock.elapsed();
    // A probe that asks to run every millisecond: the longest gap between two of its runs is the
    // longest time the window kept input waiting.
    qint64 longestStall = 0;
    qint64 last = clock.elapsed();
    QTimer probe;
    probe.setInterval(1);
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.elapsed();
        longestStall = qMax(longestStall, now - last);
        last = now;
        if (!mode.HasUnexaminedRows())
            app.quit();
    });
    probe.start();
    app.exec();
    std::printf("editor list: %d rows, first rows shown after %lld ms, all examined after %lld ms, "
                "longest stall %lld ms\n",
                mode.rowCount(), static_cast<long long>(shown), static_cast<long long>(clock.elapsed()),
                static_cast<long long>(longestStall));
    return 0;
}
