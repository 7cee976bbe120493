// A late-bound mouse move (CallByName with five Variants, as the host forwards every
// mouse move to the game) beside the same method called directly, and beside Qt's own
// typed invokeMethod, in alternating batches within one run so that a busy machine slows
// both alike. Each case reports "ratio" = late-bound time / baseline time.

#include "platform/com/components.h"

#include <QObject>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

class Game : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void InitializeGame() {}
    Q_INVOKABLE void mnuDeal_Click(int) {}
    Q_INVOKABLE void mnuSettings_Click(int) {}
    Q_INVOKABLE void mnuInstructions_Click(int) {}
    Q_INVOKABLE void Form_MouseDown(int, short, short, float, float) {}
    Q_INVOKABLE void Form_MouseUp(int, short, short, float, float) {}
    Q_INVOKABLE void Form_DblClick(int) {}
    Q_INVOKABLE void Form_MouseMove(int hdc, short button, short shift, float x, float y) {
        m_sum += hdc + button + shift + x + y;
        benchmark::DoNotOptimize(m_sum);
    }

    double m_sum = 0;
};

template <typename Measured, typename Baseline>
void compare(benchmark::State& state, Measured measured, Baseline baseline, int batch) {
    double measuredSeconds = 0, baselineSeconds = 0;
    const auto seconds = [](Clock::time_point from, Clock::time_point to) {
        return std::chrono::duration<double>(to - from).count();
    };
    bool measuredFirst = true;
    for (auto _ : state) {
        double m = 0;
        const auto start = Clock::now();
        if (measuredFirst) {
            for (int i = 0; i < batch; ++i)
                measured(i);
            const auto middle = Clock::now();
            for (int i = 0; i < batch; ++i)
                baseline(i);
            m = seconds(start, middle);
            baselineSeconds += seconds(middle, Clock::now());
        } else {
            for (int i = 0; i < batch; ++i)
                baseline(i);
            const auto middle = Clock::now();
            for (int i = 0; i < batch; ++i)
                measured(i);
            m = seconds(middle, Clock::now());
            baselineSeconds += seconds(start, middle);
        }
        measuredFirst = !measuredFirst;
        measuredSeconds += m;
        state.SetIterationTime(m / batch);
    }
    const double calls = double(state.iterations()) * batch;
    state.counters["late_us"] = measuredSeconds / calls * 1e6;
    state.counters["baseline_us"] = baselineSeconds / calls * 1e6;
    state.counters["ratio"] = baselineSeconds > 0 ? measuredSeconds / baselineSeconds : 0;
}

std::vector<com::Variant> mouseArgs(int i) {
    return {com::Variant::fromLong(7), com::Variant::fromInteger(1), com::Variant::fromInteger(0),
            com::Variant::fromSingle(float(i % 800)), com::Variant::fromSingle(240.5f)};
}

// Baseline: the method called directly through the object's C++ type.
void BM_CallByNameVersusDirectCall(benchmark::State& state) {
    Game game;
    compare(
        state, [&](int i) { com::CallByName(&game, "Form_MouseMove", mouseArgs(i)); },
        [&](int i) {
            const auto args = mouseArgs(i);
            game.Form_MouseMove(args[0].toLong(), args[1].toInteger(), args[2].toInteger(),
                                args[3].toSingle(), args[4].toSingle());
        },
        256);
}
BENCHMARK(BM_CallByNameVersusDirectCall)->UseManualTime();

// Baseline: Qt's own late-bound call with the argument types already known.
void BM_CallByNameVersusInvokeMethod(benchmark::State& state) {
    Game game;
    compare(
        state, [&](int i) { com::CallByName(&game, "Form_MouseMove", mouseArgs(i)); },
        [&](int i) {
            const auto args = mouseArgs(i);
            QMetaObject::invokeMethod(
                &game, "Form_MouseMove", Qt::DirectConnection, Q_ARG(int, args[0].toLong()),
                Q_ARG(short, args[1].toInteger()), Q_ARG(short, args[2].toInteger()),
                Q_ARG(float, args[3].toSingle()), Q_ARG(float, args[4].toSingle()));
        },
        256);
}
BENCHMARK(BM_CallByNameVersusInvokeMethod)->UseManualTime();

} // namespace

BENCHMARK_MAIN();

#include "bench_com.moc"
