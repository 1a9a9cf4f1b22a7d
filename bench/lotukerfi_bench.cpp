// The periodic-table window, the heaviest window of the program, on the offscreen platform:
// opening it (load and first paint), one change of colour view and one change of display
// mode, each with the repaint that follows; against a plain window holding as many bare
// labels, built, shown and painted the same way.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <memory>

#include "elements/module1.h"
#include "periodic_table/frm_lotukerfi.h"

namespace {

// How many controls the periodic-table window holds; set in main.
int gControlCount = 0;

int countControls() {
    frmLotukerfi table;
    table.show();
    const auto count = table.window()
                           ->findChild<QWidget*>(QStringLiteral("client"))
                           ->findChildren<QWidget*>()
                           .size();
    table.unload();
    QApplication::processEvents();
    return static_cast<int>(count);
}

void DropDeletedWindows() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// The baseline: a window of the same size with as many bare labels in a grid.
void BM_OpenPlainWindowWithBareLabels(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        window->setFixedSize(724, 565);
        for (int i = 0; i < gControlCount; ++i) {
            auto* label = new QLabel(QStringLiteral("Xx"), window.get());
            label->setGeometry(10 + (i % 18) * 39, 10 + (i / 18) * 30, 39, 30);
        }
        window->show();
        QApplication::processEvents();  // the first paint
        state.PauseTiming();
        window.reset();
        DropDeletedWindows();
        state.ResumeTiming();
    }
    state.counters["labels"] = gControlCount;
}

void BM_OpenLotukerfi(benchmark::State& state) {
    frmLotukerfi table;
    for (auto _ : state) {
        table.show();
        QApplication::processEvents();  // the first paint
        state.PauseTiming();
        table.unload();
        DropDeletedWindows();
        state.ResumeTiming();
    }
    state.counters["controls"] = gControlCount;
}

// One click on an option and the repaint that follows it; the option that was on before is
// turned on again, untimed, between the clicks.
void ChangeAndBack(benchmark::State& state, const char* option, const char* back) {
    frmLotukerfi table;
    table.show();
    QApplication::processEvents();
    QWidget* client = table.window()->findChild<QWidget*>(QStringLiteral("client"));
    auto* to = client->findChild<QAbstractButton*>(QString::fromLatin1(option));
    auto* from = client->findChild<QAbstractButton*>(QString::fromLatin1(back));
    if (to == nullptr || from == nullptr) {
        state.SkipWithError("option not found");
        return;
    }
    for (auto _ : state) {
        to->click();
        client->repaint();
        state.PauseTiming();
        from->click();
        client->repaint();
        state.ResumeTiming();
    }
    table.unload();
    DropDeletedWindows();
}

void BM_ViewChangeToFlokkar(benchmark::State& state) {
    ChangeAndBack(state, "optSyn(1)", "optSyn(3)");
}
void BM_ViewChangeToMalmar(benchmark::State& state) {
    ChangeAndBack(state, "optSyn(3)", "optSyn(1)");
}
void BM_ModeChangeToMassa(benchmark::State& state) {
    ChangeAndBack(state, "optBirta(1)", "optBirta(0)");
}
void BM_ModeChangeToLotunumer(benchmark::State& state) {
    ChangeAndBack(state, "optBirta(0)", "optBirta(1)");
}

BENCHMARK(BM_OpenPlainWindowWithBareLabels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLotukerfi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewChangeToFlokkar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewChangeToMalmar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModeChangeToMassa)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModeChangeToLotunumer)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = argc > 0 ? 1 : 0;
    QApplication app(appArgc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Module1::FillElementTables();
    gControlCount = countControls();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
