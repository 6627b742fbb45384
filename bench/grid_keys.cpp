// The grid's keys at their largest: a find through the whole of a 128 KiB image that matches
// nowhere, and a paste of 128 KiB from the clipboard with the redraw it causes, in the real main
// window on the sample settings, offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <random>

#include "ClipboardText.h"
#include "FindBytes.h"
#include "HexText.h"
#include "JapaneseFont.h"
#include "ProgramFolder.h"

namespace {

// Every byte but FF, so that a run of FF is found nowhere.
void fillWithoutFF(DataImage& image, unsigned seed = 1) {
    std::mt19937 random(seed);
    for (int a = 0; a < DataImage::Size; ++a) {
        image.set(a, hexByte(static_cast<uint8_t>(random() % 0xFF)));
    }
}

void FindWithoutMatch(benchmark::State& run) {
    DataImage image;
    fillWithoutFF(image);
    const QByteArray pattern = QByteArray::fromHex("FFFFFFFF");
    for (auto _ : run) {
        benchmark::DoNotOptimize(
            findBytes(image, DataImage::Size, pattern, 0, FindDirection::Forward));
    }
}
BENCHMARK(FindWithoutMatch)->Unit(benchmark::kMillisecond);

// Two images taken in turn, so that every paste changes every cell the grid shows.
void PasteWholeImage(benchmark::State& run) {
    const ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.start();
    fx.selectDevice(SampleDevice::k24C1024);
    QString texts[2];
    for (int i = 0; i < 2; ++i) {
        ProgramState source;
        fillWithoutFF(source.Image, static_cast<unsigned>(i + 1));
        source.DeviceCapacity = DataImage::Size;
        texts[i] = copyCells(source, {0, DataImage::Size - 1}).text;
    }
    // Start-up selects cell 0 of block 0: the paste fills the whole device.
    auto* cell = fx.control<QLineEdit>(QStringLiteral("txtData(0)"));
    QApplication::processEvents();
    int turn = 0;
    for (auto _ : run) {
        run.PauseTiming();
        QApplication::clipboard()->setText(texts[turn]);
        turn ^= 1;
        run.ResumeTiming();
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(cell, &paste);
        QApplication::processEvents();
    }
    if (!fx.state->Image.view(DataImage::Size - 1).endsWith(texts[turn ^ 1].right(1)))
        run.SkipWithError("the paste did not reach the end of the device");
}
BENCHMARK(PasteWholeImage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    useJapaneseGothicFont(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
