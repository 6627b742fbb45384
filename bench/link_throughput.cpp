// The writer link's own work per block: assembling and handling a 259-byte reply delivered in
// chunks of various sizes, and building a WRITE block frame from the image.

#include <benchmark/benchmark.h>

#include <QList>

#include "DataImage.h"
#include "LinkDoubles.h"

using namespace LinkFrames;

namespace {

struct Link {
    ProgramState state;
    NullPort port;
    CancellingDialogs dialogs;
    NullWindow window;
    WriterLink link{state, port, dialogs, window};
};

// A good one-block READ reply, handled whole: assembly, checks, and storing 256 cells. Each
// reply answers a request of its own, as only a reply that is waited for is taken.
void ReceiveReadBlockReply(benchmark::State& run) {
    Link l;
    l.state.OperationCode = Operation::Read;
    l.state.FlagTable[Flag::TransferUnit] = Unit::Block;
    std::array<uint8_t, BlockSize> data;
    for (int i = 0; i < BlockSize; ++i) data[i] = static_cast<uint8_t>(i * 7);
    const auto frame = blockFrame(0xA0, data);
    const QByteArray reply(reinterpret_cast<const char*>(frame.data()), BlockLength);
    QList<QByteArray> chunks;
    for (qsizetype i = 0; i < reply.size(); i += run.range(0)) chunks << reply.mid(i, run.range(0));

    for (auto _ : run) {
        l.link.subCommPut();
        for (const QByteArray& chunk : chunks) l.link.prtLocal_AutoInput(chunk);
    }
    run.SetBytesProcessed(run.iterations() * BlockLength);
}
BENCHMARK(ReceiveReadBlockReply)->Arg(1)->Arg(16)->Arg(259);

void BuildBlockFrameFromImage(benchmark::State& run) {
    DataImage image;
    for (int a = 0; a < BlockSize; ++a) image.set(a, hexByte(static_cast<uint8_t>(a)));
    for (auto _ : run) {
        const auto frame = blockFrame(0xA7, imageBlock(image, 0));
        benchmark::DoNotOptimize(frame.data());
    }
}
BENCHMARK(BuildBlockFrameFromImage);

// subCommPut for a whole-memory WRITE block: frame building plus the bookkeeping around it.
void SendWriteBlock(benchmark::State& run) {
    Link l;
    for (int a = 0; a < BlockSize; ++a) l.state.Image.set(a, hexByte(static_cast<uint8_t>(a)));
    l.state.OperationCode = Operation::Write;
    l.state.FlagTable[Flag::TransferUnit] = Unit::WholeMemory;
    for (auto _ : run) l.link.subCommPut();
}
BENCHMARK(SendWriteBlock);

}  // namespace

BENCHMARK_MAIN();
