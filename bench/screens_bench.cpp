// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and first openings, each against the same work done by an empty
// Qt window, so the figures read as ratios whatever the machine.
#include "file/calculation_file.h"
#include "geometry/module_choice.h"
#include "geometry/wheel_input.h"
#include "session/session.h"
#include "shell/mode_commands.h"
#include "ui/application.h"
#include "ui/calculation_document.h"
#include "ui/report.h"
#include "ui/screen.h"
#include "ui/screens.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QFile>
#include <QMainWindow>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Only the making and the showing are timed; taking the window down again is
// not part of starting anything.
template <typename Make>
void timeShowing(benchmark::State& run, Make make)
{
    for (auto _ : run) {
        auto shown = make();
        QApplication::processEvents();
        run.PauseTiming();
        shown.reset();
        QApplication::processEvents();
        run.ResumeTiming();
    }
}

// The main window has a fixed size, and a window system's cost of showing a
// window grows with its area, so the empty window takes the same size.
void EmptyMainWindow(benchmark::State& run)
{
    const QSize size = gear::ui::Program().mainWindow().size();
    timeShowing(run, [size] {
        auto window = std::make_unique<QMainWindow>();
        window->setFixedSize(size);
        window->show();
        return window;
    });
}
BENCHMARK(EmptyMainWindow)->Unit(benchmark::kMicrosecond);

void StartUp(benchmark::State& run)
{
    timeShowing(run, [] {
        auto session = std::make_unique<gear::ui::Program>();
        session->mainWindow().show();
        return session;
    });
}
BENCHMARK(StartUp)->Unit(benchmark::kMicrosecond);

void EmptyDialog(benchmark::State& run)
{
    timeShowing(run, [] {
        auto dialog = std::make_unique<QDialog>();
        dialog->show();
        return dialog;
    });
}
BENCHMARK(EmptyDialog)->Unit(benchmark::kMicrosecond);

void FirstOpening(benchmark::State& run)
{
    const auto id = static_cast<gear::ScreenId>(run.range(0));
    gear::Session session(".", {});
    timeShowing(run, [&session, id] {
        auto screens = std::make_unique<gear::ui::Screens>(session);
        screens->open(id);
        return screens;
    });
    run.SetLabel(std::string(gear::screenName(id)));
}
BENCHMARK(FirstOpening)->DenseRange(0, gear::kScreenCount - 1)->Unit(benchmark::kMicrosecond);

// A file with a design, a wheel and a check opened in a session just started:
// read, checked, run again, and every screen of the file made and filled.
void OpenFileOnTheScreens(benchmark::State& run)
{
    gear::CalcState work = gear::startUpState();
    const std::vector<gear::GivenStep> steps{
        {gear::Mode::Transmission, gear::ScreenId::ATverd, {5, {}}},
        {gear::Mode::Transmission, gear::ScreenId::Czakalka2, {3, {}}},
        {gear::Mode::Transmission, gear::ScreenId::stal4, {1, {}}},
        {gear::Mode::Transmission, gear::ScreenId::Vvod2, {0, {"20", "12", "100", "4.0"}}},
        {gear::Mode::Transmission, gear::ScreenId::Vibor, {0, {"2.5", ""}}},
        {gear::Mode::Transmission, gear::ScreenId::okon, {21, {}}},
        {gear::Mode::Wheel, gear::ScreenId::Vvod, {0, {"40", "", "30", "420", "20", "40"}}},
        {gear::Mode::Wheel, gear::ScreenId::Vibor, {0, {"10.0", ""}}},
        {gear::Mode::Check, gear::ScreenId::trebov2, {2, {}}},
        {gear::Mode::Check, gear::ScreenId::BNormal2, {2, {}}},
        {gear::Mode::Check, gear::ScreenId::stal2, {1, {}}},
        {gear::Mode::Check, gear::ScreenId::Vvod3, {0, {"240", "60", "", "40"}}},
    };
    for (const gear::GivenStep& step : steps)
        gear::runStep(work, step);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("work.gear"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray::fromStdString(gear::saveCalculation(work).text));
    file.close();
    for (auto _ : run) {
        run.PauseTiming();
        auto session = std::make_unique<gear::ui::Program>();
        session->mainWindow().show();
        QApplication::processEvents();
        run.ResumeTiming();
        session->mainWindow().document().open(path);
        QApplication::processEvents();
        run.PauseTiming();
        session.reset();
        QApplication::processEvents();
        run.ResumeTiming();
    }
}
BENCHMARK(OpenFileOnTheScreens)->Unit(benchmark::kMicrosecond);

// "Отчёт (PDF)…" after a pass of the wheel mode: the document, its
// drawing and the PDF, written to memory.
void ReportPdf(benchmark::State& run)
{
    gear::CalcState state = gear::startUpState();
    gear::chooseWheelMode(state);
    gear::enterWheel(state, {"40", "", "30", "105", "20", "40"});
    gear::chooseModule(state, "2.5", "");
    const gear::ui::ReportAuthor author{QStringLiteral("Иванов И. И."), QStringLiteral("МТ-31"), QStringLiteral("7")};
    for (auto _ : run) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        gear::ui::printReport(state, author, pdf);
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(ReportPdf)->Unit(benchmark::kMillisecond);

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
