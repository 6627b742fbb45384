// One block change in the main window's grid: the user moves the block bar and the event loop
// lays out and paints what changed. The real main window on the sample settings and in the
// program's font, offscreen, with an image whose every block differs (as after reading a whole
// chip).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <random>

#include "JapaneseFont.h"
#include "LinkFrames.h"
#include "ProgramFolder.h"

namespace {

void BlockChange(benchmark::State& run) {
    const ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.start();
    fx.selectDevice(SampleDevice::k24C1024);
    std::mt19937 random(1);
    for (int a = 0; a < DataImage::Size; ++a) {
        fx.state->Image.set(a, hexByte(static_cast<uint8_t>(random())));
    }
    auto* bar = fx.control<QScrollBar>(QStringLiteral("hscBlock"));
    QApplication::processEvents();
    int block = 0;
    for (auto _ : run) {
        block = (block + 1) % 512;
        bar->setValue(block);
        QApplication::processEvents();
    }
}
BENCHMARK(BlockChange)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    useJapaneseGothicFont(app);  // the cells' texts in the face the program shows them in
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
