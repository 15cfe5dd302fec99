// The hover and paint benchmark: the settings program's main window against
// the cheapest Qt window that shows the same board, both in this process,
// under the offscreen platform.
//
//   paint/*        one full repaint of the board and its three circles
//   hover/*        the pointer entering a range circle and leaving it again,
//                  the circles opening no popup: lighting and repainting only
//   hover_popup/*  the same with the range popup opening and closing
//
// At the end it prints settings / plain for each. Google Benchmark's options
// apply (--benchmark_filter, --benchmark_repetitions, ...).

#include "Application.h"
#include "PlainScene.h"
#include "Pointer.h"
#include "RatioReporter.h"
#include "SettingsScene.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <QtMessageHandler>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <exception>
#include <functional>
#include <iostream>
#include <string>

namespace {

constexpr const char* BuildType = BENCH_BUILD_TYPE;

// The scene's window in front and the pointer on bare photograph: the state
// every benchmark starts from.
void Prepare(BoardScene& scene, const HoverPath& path, bool popups) {
    scene.SetPopups(popups);
    scene.Board()->window()->activateWindow();
    HandlePendingEvents();
    MovePointer(scene.Board(), path.Away);
}

void Paint(benchmark::State& state, BoardScene& scene, const HoverPath& path) {
    Prepare(scene, path, false);
    QWidget* board = scene.Board();
    int paints = scene.BoardPaints();
    for (auto _ : state)
        board->repaint();
    if (scene.BoardPaints() - paints < state.iterations())
        state.SkipWithError("the board was not painted on every repaint");
}

// Onto the circle and off again, checking that the circles and the popup
// did what a person would see.
bool HoverOnce(BoardScene& scene, const HoverPath& path, bool popups) {
    MovePointer(scene.Board(), path.OnCircle);
    bool entered = scene.LitGroup() == path.Group && scene.PopupShown() == popups;
    MovePointer(scene.Board(), path.Away);
    return entered && scene.LitGroup() == -1 && !scene.PopupShown();
}

void Hover(benchmark::State& state, BoardScene& scene, const HoverPath& path, bool popups) {
    Prepare(scene, path, popups);
    // Untimed: whatever the first hover builds is built here.
    if (!HoverOnce(scene, path, popups)) {
        state.SkipWithError("the circle did not light and go out as the pointer moved");
        return;
    }
    if (!popups && scene.PopupBuilt())
        state.SetLabel("a popup was built before: every leave also closes it");
    QWidget* board = scene.Board();
    int paints = scene.BoardPaints();
    for (auto _ : state) {
        MovePointer(board, path.OnCircle);
        MovePointer(board, path.Away);
    }
    if (scene.BoardPaints() - paints < 2 * state.iterations())
        state.SkipWithError("the board was not repainted on every move");
    else if (!HoverOnce(scene, path, popups))
        state.SkipWithError("the circle stopped lighting as the pointer moved");
}

void Register(const std::string& name, std::function<void(benchmark::State&)> run) {
    benchmark::RegisterBenchmark(name.c_str(), std::move(run))
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond);
}

void RegisterPair(const std::string& kind, BoardScene& settings, BoardScene& plain,
                  const std::function<void(benchmark::State&, BoardScene&)>& run) {
    Register(kind + "/settings", [&settings, run](benchmark::State& s) { run(s, settings); });
    Register(kind + "/plain", [&plain, run](benchmark::State& s) { run(s, plain); });
}

void RegisterAll(BoardScene& settings, BoardScene& plain, HoverPath path) {
    RegisterPair("paint", settings, plain,
                 [path](benchmark::State& s, BoardScene& scene) { Paint(s, scene, path); });
    RegisterPair("hover", settings, plain,
                 [path](benchmark::State& s, BoardScene& scene) { Hover(s, scene, path, false); });
    RegisterPair("hover_popup", settings, plain,
                 [path](benchmark::State& s, BoardScene& scene) { Hover(s, scene, path, true); });
}

// Whether both boards show the same pixels, idle and with the range circles
// lit: the comparison means something only if they draw the same picture.
bool SamePicture(BoardScene& settings, BoardScene& plain, const HoverPath& path) {
    bool same = true;
    for (QPoint point : {path.Away, path.OnCircle, path.Away}) {
        for (BoardScene* scene : {&settings, &plain}) {
            scene->SetPopups(false);
            MovePointer(scene->Board(), point);
        }
        same = same && settings.Board()->grab().toImage() == plain.Board()->grab().toImage();
    }
    return same;
}

int RunAll() {
    SettingsScene settings;
    HoverPath path = settings.RangePath();
    // The settings program's popup is opened only when the plain one is
    // needed: until then its circles have none to close on leaving.
    PlainScene plain(settings.Looks(), settings.Layout(),
                     [&settings] { return settings.RangePopupLooks(); });
    if (!SamePicture(settings, plain, path))
        std::cerr << "bench_hover_paint: warning: the plain board does not show the same "
                     "picture as the settings program's\n";
    RegisterAll(settings, plain, path);

    RatioReporter reporter({{"paint", "paint/settings", "paint/plain"},
                            {"hover", "hover/settings", "hover/plain"},
                            {"hover with popup", "hover_popup/settings", "hover_popup/plain"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(std::cout);
    return 0;
}

void AddContext() {
    benchmark::AddCustomContext("build type", BuildType);
    std::string type = BuildType;
    if (type != "Release" && type != "RelWithDebInfo")
        benchmark::AddCustomContext(
            "warning", "not an optimised build: the settings program's code runs unoptimised "
                       "against Qt's optimised libraries");
}

QtMessageHandler DefaultMessageHandler = nullptr;

// The offscreen platform warns at every window shown that it cannot raise
// windows; thousands of those lines would bury the results.
void QuietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text != "This plugin does not support raise()")
        DefaultMessageHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    // The offscreen platform turns QCursor::setPos into real mouse moves.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    AddContext();
    DefaultMessageHandler = qInstallMessageHandler(QuietMessageHandler);
    Application->Initialize(argc, argv);
    int status = 1;
    try {
        status = RunAll();
    } catch (const std::exception& error) {
        std::cerr << "bench_hover_paint: " << error.what() << '\n';
    }
    Application->Finalize();
    benchmark::Shutdown();
    return status;
}
