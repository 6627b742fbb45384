// Loading and saving a whole 128 KiB image in each file format, through real files in a
// temporary folder. Loads read from the page cache, so they measure the program. A save waits
// until its file is on the disk; the *Bytes figures are the same saves without the file, so the
// two together tell what the program costs and what the disk's sync costs.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "BinaryFormat.h"
#include "DataImage.h"
#include "HexFormat.h"
#include "TextFormat.h"

namespace {

// A full image with erased runs, so the HEX writer trims and skips as it does on real data.
DataImage sampleImage() {
    DataImage image;
    for (int a = 0; a < DataImage::Size; ++a) {
        const int value = (a / 4096) % 3 == 0 ? 0xFF : (a * 7 + (a >> 8)) & 0xFF;
        image.set(a, QString::number(value, 16).toUpper().rightJustified(2, u'0'));
    }
    return image;
}

struct Folder {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

void TextBytes(benchmark::State& state) {
    const DataImage image = sampleImage();
    for (auto _ : state) benchmark::DoNotOptimize(TextFormat::fileBytes(image));
}
BENCHMARK(TextBytes)->Unit(benchmark::kMillisecond);

void TextSave(benchmark::State& state) {
    const Folder folder;
    const DataImage image = sampleImage();
    for (auto _ : state) TextFormat::save(folder.path("image.txt"), image);
}
BENCHMARK(TextSave)->Unit(benchmark::kMillisecond);

void TextLoad(benchmark::State& state) {
    const Folder folder;
    TextFormat::save(folder.path("image.txt"), sampleImage());
    DataImage image;
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFormat::load(folder.path("image.txt"), image));
}
BENCHMARK(TextLoad)->Unit(benchmark::kMillisecond);

void HexBytes(benchmark::State& state) {
    const DataImage image = sampleImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(HexFormat::fileBytes(image, {}, HexRecordType::Int32bit));
    }
}
BENCHMARK(HexBytes)->Unit(benchmark::kMillisecond);

void HexSave(benchmark::State& state) {
    const Folder folder;
    const DataImage image = sampleImage();
    for (auto _ : state) {
        HexFormat::save(folder.path("image.hex"), image, {}, HexRecordType::Int32bit);
    }
}
BENCHMARK(HexSave)->Unit(benchmark::kMillisecond);

void HexLoad(benchmark::State& state) {
    const Folder folder;
    HexFormat::save(folder.path("image.hex"), sampleImage(), {}, HexRecordType::Int32bit);
    DataImage image;
    HexComments comments;
    HexFormat::ReadState read;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HexFormat::load(folder.path("image.hex"), image, comments, read));
    }
}
BENCHMARK(HexLoad)->Unit(benchmark::kMillisecond);

void BinaryBytes(benchmark::State& state) {
    const DataImage image = sampleImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BinaryFormat::fileBytes(image, BinaryFormat::kMaxBytes));
    }
}
BENCHMARK(BinaryBytes)->Unit(benchmark::kMillisecond);

void BinarySave(benchmark::State& state) {
    const Folder folder;
    const DataImage image = sampleImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BinaryFormat::save(folder.path("image.bin"), image, "1FFFF"));
    }
}
BENCHMARK(BinarySave)->Unit(benchmark::kMillisecond);

void BinaryLoad(benchmark::State& state) {
    const Folder folder;
    BinaryFormat::save(folder.path("image.bin"), sampleImage(), "1FFFF");
    DataImage image;
    for (auto _ : state)
        benchmark::DoNotOptimize(BinaryFormat::load(folder.path("image.bin"), image));
}
BENCHMARK(BinaryLoad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
