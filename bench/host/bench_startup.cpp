// Start-up to the shown table beside a bare Qt window started the same way, in the same
// run: each is started as a process on the offscreen platform and ends by itself once its
// window is shown. The table program starts on a table folder installed by one start
// before the measurement, and ends through HALVANE_QUIT_AFTER_SHOW.
//
// Two more baselines show where the table's own time begins: the bare window with a menu
// bar and a status bar (it sets up fonts, as the table must), and a window that keeps a
// screen-sized copy of its table and repaints from it as the table does, with no deck,
// cards or game (tablecopywindow.cpp).
//
// Measured on the offscreen platform's own screen (a table scale of 1) and on a
// 1920 x 1080 offscreen screen, where the automatic card size gives a table scale of 2 and
// the larger deck picture is loaded.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Medians of this many starts of each: a start now and then takes twice as long on a
// shared machine, and a mean of a few starts followed it.
constexpr int kStarts = 15;
constexpr double kAim = 1.5;

// Starts `program` and waits for its end; the seconds it took. A start that fails or
// ends with a status other than 0 stops the benchmark.
double timedStart(const QString& program, const QProcessEnvironment& environment,
                  const QStringList& arguments = {}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    // Qt's notes on the offscreen platform would bury the results.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        throw std::runtime_error("the start of " + program.toStdString() + " failed");
    }
    return double(clock.nsecsElapsed()) * 1e-9;
}

// The middle one of `seconds` (not empty), the mean of the two middle ones for an even count.
double median(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    const std::size_t half = seconds.size() / 2;
    return seconds.size() % 2 ? seconds[half] : (seconds[half - 1] + seconds[half]) / 2;
}

// The offscreen platform, on a screen of `size` when one is given.
QString offscreenPlatform(const QTemporaryDir& folder, const QSize& size) {
    if (size.isEmpty()) {
        return QStringLiteral("offscreen");
    }
    const QString file = folder.filePath(QStringLiteral("screen.json"));
    QFile config(file);
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(QStringLiteral("{\"screens\": [{\"name\": \"bench\", \"x\": 0, \"y\": 0, "
                                    "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                                    "\"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                         .arg(size.width())
                         .arg(size.height())
                         .toUtf8()) < 0) {
        throw std::runtime_error("cannot write " + file.toStdString());
    }
    return QStringLiteral("offscreen:configfile=") + file;
}

void BM_StartUp(benchmark::State& state, QSize screen, const char* what) {
    QTemporaryDir home;
    QTemporaryDir platform;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HALVANE_HOME"), home.path());
    environment.insert(QStringLiteral("HALVANE_QUIT_AFTER_SHOW"), QStringLiteral("1"));
    const QString program = QStringLiteral(HALVANE_PROGRAM);
    const QString bare = QStringLiteral(HALVANE_BARE_WINDOW);
    const QString tableCopy = QStringLiteral(HALVANE_TABLE_COPY_WINDOW);
    try {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), offscreenPlatform(platform, screen));
        // Installs the table folder, and warms the file cache for all three programs.
        timedStart(program, environment);
        timedStart(bare, environment);
        timedStart(tableCopy, environment);
        std::vector<double> tableSeconds;
        std::vector<double> bareSeconds;
        std::vector<double> textSeconds;
        std::vector<double> copySeconds;
        const QStringList withText{QStringLiteral("--with-text")};
        for (auto _ : state) {
            // Alternating, so that a slower moment of the machine falls on all four.
            bareSeconds.push_back(timedStart(bare, environment));
            textSeconds.push_back(timedStart(bare, environment, withText));
            copySeconds.push_back(timedStart(tableCopy, environment));
            tableSeconds.push_back(timedStart(program, environment));
        }
        const double table = median(tableSeconds);
        const double ratio = table / median(bareSeconds);
        const double textRatio = table / median(textSeconds);
        const double copyRatio = table / median(copySeconds);
        state.counters["halvane_ms"] = table * 1e3;
        state.counters["bare_ms"] = median(bareSeconds) * 1e3;
        state.counters["text_ms"] = median(textSeconds) * 1e3;
        state.counters["table_copy_ms"] = median(copySeconds) * 1e3;
        state.counters["ratio"] = ratio;
        state.counters["text_ratio"] = textRatio;
        state.counters["table_copy_ratio"] = copyRatio;
        std::printf("start-up to the shown table (%s): %.2f x a bare Qt window (aim %.1f), "
                    "%.2f x a window with a menu bar, %.2f x a window repainting from a "
                    "table copy (itself %.2f x the bare window)\n",
                    what, ratio, kAim, textRatio, copyRatio,
                    median(copySeconds) / median(bareSeconds));
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK_CAPTURE(BM_StartUp, scale1, QSize(), "scale 1")
    ->Iterations(kStarts)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_StartUp, scale2_1920x1080, QSize(1920, 1080), "scale 2, 1920 x 1080")
    ->Iterations(kStarts)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
