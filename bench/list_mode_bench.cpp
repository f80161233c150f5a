// list_mode_bench DIR: builds the editor's configuration file list of DIR offscreen and lets it examine
// every row as the window does (its workers, its timer); prints the time to the first rows and to the
// last row, and the longest stall of the window's event loop meanwhile: the longest gap between two
// runs of a 1 ms probe, and the most CPU time the window's thread spent within such a gap (on a busy
// machine the gap also holds the time the thread waited for a core; the CPU time is the window's own).
#include "device_model/device.h"
#include "frame/file_list_mode.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <ctime>

using namespace orva;

namespace {
qint64 threadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}
} // namespace

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
    qint64 longestBusy = 0; // µs
    qint64 last = clock.elapsed();
    qint64 lastCpu = threadCpuMicroseconds();
    QTimer probe;
    probe.setInterval(1);
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.elapsed();
        const qint64 cpu = threadCpuMicroseconds();
        longestStall = qMax(longestStall, now - last);
        longestBusy = qMax(longestBusy, cpu - lastCpu);
        last = now;
        lastCpu = cpu;
        if (!mode.HasUnexaminedRows())
            app.quit();
    });
    probe.start();
    app.exec();
    std::printf("editor list: %d rows, first rows shown after %lld ms, all examined after %lld ms, "
                "longest stall %lld ms (window thread busy at most %.1f ms of it)\n",
                mode.rowCount(), static_cast<long long>(shown), static_cast<long long>(clock.elapsed()),
                static_cast<long long>(longestStall), double(longestBusy) / 1000.0);
    return 0;
}
