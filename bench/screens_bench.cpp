// Start-up and first openings, each against the same work done by an empty
// Qt window, so the figures read as ratios whatever the machine.
#include "ui/application.h"
#include "ui/screen.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>

#include <benchmark/benchmark.h>

namespace {

// The main window has a fixed size, and a window system's cost of showing a
// window grows with its area, so the empty window takes the same size.
void EmptyMainWindow(benchmark::State& run)
{
    const QSize size = gear::ui::Session().mainWindow().size();
    for (auto _ : run) {
        QMainWindow window;
        window.setFixedSize(size);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(EmptyMainWindow)->Unit(benchmark::kMicrosecond);

void StartUp(benchmark::State& run)
{
    for (auto _ : run) {
        gear::ui::Session session;
        session.mainWindow().show();
        QApplication::processEvents();
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMicrosecond);

void EmptyDialog(benchmark::State& run)
{
    for (auto _ : run) {
        QDialog dialog;
        dialog.show();
        QApplication::processEvents();
    }
}
BENCHMARK(EmptyDialog)->Unit(benchmark::kMicrosecond);

void FirstOpening(benchmark::State& run)
{
    const auto id = static_cast<gear::ScreenId>(run.range(0));
    gear::CalcState state = gear::startUpState();
    for (auto _ : run) {
        gear::ui::Screens screens(state);
        screens.open(id);
        QApplication::processEvents();
    }
    run.SetLabel(std::string(gear::screenName(id)));
}
BENCHMARK(FirstOpening)->DenseRange(0, gear::kScreenCount - 1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    // Under a window system (Xvfb included) the figures are the real ones;
    // offscreen is only the fallback where there is none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gear::ui::setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
