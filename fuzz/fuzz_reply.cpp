// Reply assembly on arbitrary bytes from the board, with an operation running. The input picks
// the operation, the transfer unit and the device size, then is a list of events: a length byte
// L below 0xE0 delivers the next L bytes in one chunk, 0xE0 to 0xE7 delivers the frame sent last
// (the echo that configuration and WRITE replies are), 0xE8 to 0xEF is the port going away, 0xF0
// and above is a tick of the wait timer while it runs. Whenever an operation ends, the next one
// starts, so bytes always meet a running one.

#include <QByteArray>
#include <algorithm>
#include <memory>

#include "DataImage.h"
#include "LinkDoubles.h"
#include "ProgramError.h"

namespace {

class Window final : public NullWindow {
public:
    explicit Window(ProgramState& state) : state_(state) {}
    int blockBarValue() const override { return state_.CurrentBlock; }
    int blockBarMaximum() const override { return state_.BlockCount - 1; }
    void moveBlockBar(int value) override {
        state_.CurrentBlock = value;
        state_.CurrentAddress = value * LinkFrames::BlockSize + state_.CurrentCell;
    }
    void subObjectEnable() override { idle = true; }
    void startWaitTimer() override { timerRunning = true; }
    void stopWaitTimer() override { timerRunning = false; }

    bool idle = true;
    bool timerRunning = false;

private:
    ProgramState& state_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    // A fresh record for every input, so that a finding replays from its input alone.
    const auto record = std::make_unique<ProgramState>();
    ProgramState& state = *record;
    state.Image.fill(u"5A");
    const int blocks = 1 + data[2] % 512;
    selectDevice(state, blocks);
    state.CurrentBlock = std::min<int>(data[2] / 2, blocks - 1);
    state.CurrentCell = data[1] & 0xF0;
    state.CurrentAddress = state.CurrentBlock * LinkFrames::BlockSize + state.CurrentCell;
    state.ReceiveCount = 0;

    NullPort port;
    CancellingDialogs dialogs;
    Window window(state);
    WriterLink link(state, port, dialogs, window);
    const auto startNext = [&] {
        state.OperationCode = static_cast<uint8_t>(data[0] % 4);
        state.FlagTable[Flag::TransferUnit] = static_cast<int16_t>((data[1] & 0x0F) % 3);
        state.TransferAddress = armedTransferAddress(state);
        window.idle = false;
        try {
            link.start();
        } catch (const ProgramError&) {
            window.idle = true;  // a frame that cannot be built is reported by the caller
        }
    };

    for (std::size_t i = 3; i < size;) {
        if (window.idle) startNext();
        const uint8_t event = data[i++];
        if (event < 0xE0) {
            const std::size_t length = std::min<std::size_t>(event, size - i);
            port.receive(QByteArray(reinterpret_cast<const char*>(data + i),
                                    static_cast<qsizetype>(length)));
            i += length;
        } else if (event < 0xE8) {
            port.receive(port.lastSent);
        } else if (event < 0xF0) {
            link.portLost();
        } else if (window.timerRunning) {
            link.tmrWait_Timer();
        }
    }
    return 0;
}
