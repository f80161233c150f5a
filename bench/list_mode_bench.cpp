// list_mode_bench DIR: builds the editor's configuration file list of DIR offscreen and lets its timer
// examine every row; prints the time to the first rows and to the last row, and the longest tick.
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
    // The list's own timer is replaced by one that times each tick: the longest tick is how long the
    // window may keep input waiting.
    mode.TimerTestListConfig()->stop();
    qint64 longestTick = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &app, [&] {
        QElapsedTimer tick;
        tick.start();
        mode.TimerTestListConfigTimer();
        longestTick = qMax(longestTick, tick.elapsed());
        if (!mode.HasUnexaminedRows())
            app.quit();
    });
    ticks.start(FileListMode::TimerInterval);
    app.exec();
    std::printf("editor list: %d rows, first rows shown after %lld ms, all examined after %lld ms, "
                "longest tick %lld ms\n",
                mode.rowCount(), static_cast<long long>(shown), static_cast<long long>(clock.elapsed()),
                static_cast<long long>(longestTick));
    return 0;
}
