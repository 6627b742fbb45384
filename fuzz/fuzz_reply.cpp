// Reply assembly with an operation running. The input picks the operation, the transfer unit,
// the device size, whether a VERIFY follows each WRITE, whether the image is in lower case and
// whether the selected cell is empty (a WRITE frame then cannot be built), then is a list of
// events. An event's top three bits say what it is:
//   0-2  the reply the board would send now, framed right (the echo of a configuration or WRITE
//        frame, else the operation's code, data, 0xAC and the check byte); bit 4 takes the data
//        from the image (a VERIFY that matches), else from the input;
//   3    the same reply with one byte changed (the next two input bytes: where, and by what);
//   4    the reply another operation would get;
//   5    raw bytes: the low five bits count them, taken from the input;
//   6    the wait timer's tick, the port going away or a stop request (low two bits);
//   7    the right reply, but without starting an operation first: late or unsolicited.
// Framed replies arrive in chunks of a size the low four bits choose. Whenever an operation ends
// the next starts, except before event kind 7. Around every event the image is checked, after it
// the state of the sequence and the message line, and the whole image when the input ends; a
// breach aborts.

#include <QByteArray>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "DataImage.h"
#include "FuzzInput.h"
#include "LinkDoubles.h"
#include "ProgramError.h"
#include "VerifyDifferences.h"

using namespace LinkFrames;

namespace {

class Window final : public NullWindow {
public:
    explicit Window(ProgramState& state) : state_(state) {}
    void setMessage(const QString& text) override { message = text; }
    int blockBarValue() const override { return state_.CurrentBlock; }
    int blockBarMaximum() const override { return state_.BlockCount - 1; }
    void moveBlockBar(int value) override {
        state_.CurrentBlock = value;
        state_.CurrentAddress = value * BlockSize + state_.CurrentCell;
    }
    void subObjectEnable() override { idle = true; }
    void startWaitTimer() override { timerRunning = true; }
    void stopWaitTimer() override { timerRunning = false; }
    void showVerifyDifferences(const VerifyDifferences& found) override { differences = found; }

    bool idle = true;
    bool timerRunning = false;
    QString message;
    VerifyDifferences differences;

private:
    ProgramState& state_;
};

// The input read front to back; past its end it reads zeros, so every frame can be built whole.
class Input {
public:
    Input(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool atEnd() const { return next_ >= size_; }
    uint8_t take() { return next_ < size_ ? data_[next_++] : 0; }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

QByteArray framed(uint8_t code, const QByteArray& data) {
    QByteArray frame;
    frame.append(static_cast<char>(code));
    frame.append(data);
    frame.append(static_cast<char>(EndMarker));
    const auto* bytes = reinterpret_cast<const uint8_t*>(frame.constData());
    frame.append(static_cast<char>(xorOf(std::span(bytes + 1, frame.size() - 1))));
    return frame;
}

// The reply for `operation` on the unit running now.
QByteArray replyFor(const ProgramState& state, const NullPort& port, int operation, bool fromImage,
                    Input& input) {
    const int unit = state.FlagTable[Flag::TransferUnit];
    if (unit == Unit::Configuration || operation == Operation::Write) return port.lastSent;
    const int count = unit == Unit::OneByte ? 1 : BlockSize;
    const int first = unit == Unit::OneByte ? state.CurrentAddress : state.CurrentBlock * BlockSize;
    QByteArray data;
    for (int k = 0; k < count; ++k) {
        const int cell = fromImage ? cellByte(state.Image.view(first + k)) : -1;
        data.append(static_cast<char>(cell >= 0 ? cell : input.take()));
    }
    return framed(commandCode(operation, unit), data);
}

void deliver(NullPort& port, const QByteArray& reply, uint8_t chunkChoice) {
    static constexpr std::array<qsizetype, 16> kChunks = {1,  2,   3,   4,   7,   15,  16,  64,
                                                          100, 128, 200, 258, 259, 260, 300, 512};
    const qsizetype chunk = kChunks[chunkChoice & 0x0F];
    for (qsizetype at = 0; at < reply.size(); at += chunk) port.receive(reply.mid(at, chunk));
}

// The texts the link puts on the message line. A one-byte WRITE whose frame cannot be built shows
// the cell's text, whatever it is, where the byte would be.
bool isOwnMessage(const QString& message) {
    static const QRegularExpression own(QStringLiteral(
        "^((Write|Read|Verify) (Completed|Error)：0x[0-9A-F]{2}|Write Error：0x.{0,2}"
        "|\\d+ (Write|Read|Verify) (Completed|Error)"
        "|(All )?(Write|Read|Verify) Completed"
        "|(Write|Read|Verify) Stopped at block \\d+"
        "|Config Completed|Config DataError|Conifig Timeover|受信タイムオーバー)$"));
    if (message.isEmpty()) return true;
    const QStringList parts = message.split(QStringLiteral(" / "));
    return parts.size() <= 2 && std::all_of(parts.begin(), parts.end(), [](const QString& part) {
               return own.match(part).hasMatch();
           });
}

// The differences a VERIFY points at lie in the block or byte it covers, and are told in the
// window's form.
void checkDifferences(const VerifyDifferences& found, int first, int count) {
    static const QRegularExpression told(QStringLiteral(
        "^0x[0-9A-F]{5}: [0-9A-F]{2} ≠ [0-9A-F]{2} \\((1 byte differs|\\d+ bytes differ)\\)$"));
    if (!found.any()) return;
    if (found.firstAddress() < first ||
        found.start + found.offsets.back() >= first + count) {
        breach("a VERIFY difference outside the block or byte it covers");
    }
    if (!told.match(found.text()).hasMatch()) breach("a VERIFY difference told wrong");
}

// Changes to the image only from a READ, and only inside the block or byte it covers. Comparing
// the whole image after every event would cost more than the event, so `expected` holds the
// image as the events so far may have left it: a range is compared before the event that covers
// it, so a change made there by an earlier event is caught before a READ may take it over, and
// what no event covered is compared once, when the input ends.
class ImageWatch {
public:
    explicit ImageWatch(const DataImage& image)
        : image_(image), expected_(image.cells(0, DataImage::Size)) {}

    void beforeEvent(int first, int count) const { requireUnchanged(first, count); }
    void afterEvent(int operation, int first, int count) {
        if (operation != Operation::Read) return;
        const std::vector<DataImage::Cell> now = image_.cells(first, count);
        std::copy(now.begin(), now.end(), expected_.begin() + first);
    }
    void atEnd() const { requireUnchanged(0, DataImage::Size); }

private:
    void requireUnchanged(int first, int count) const {
        const std::vector<DataImage::Cell> now = image_.cells(first, count);
        if (std::memcmp(now.data(), expected_.data() + first, now.size() * sizeof now[0]) != 0) {
            breach("the image changed outside the block or byte of a READ");
        }
    }

    const DataImage& image_;
    std::vector<DataImage::Cell> expected_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    Input input(data, size);
    const uint8_t operationChoice = input.take();
    const uint8_t unitChoice = input.take();
    const uint8_t deviceChoice = input.take();

    const auto record = std::make_unique<ProgramState>();
    ProgramState& state = *record;
    state.Image.fill(operationChoice & 0x10 ? u"c3" : u"5A");
    const int blocks = 1 + deviceChoice % 512;
    selectDevice(state, blocks);
    state.CurrentBlock = std::min<int>(deviceChoice / 2, blocks - 1);
    state.CurrentCell = unitChoice & 0xF0;
    state.CurrentAddress = state.CurrentBlock * BlockSize + state.CurrentCell;
    state.ReceiveCount = 0;
    if (operationChoice & 0x08) state.Image.set(state.CurrentAddress, u"");

    NullPort port;
    CancellingDialogs dialogs;
    Window window(state);
    WriterLink link(state, port, dialogs, window);
    link.setVerifyAfterWrite(operationChoice & 0x04);
    const auto startNext = [&] {
        state.OperationCode = static_cast<uint8_t>(operationChoice % 4);
        state.FlagTable[Flag::TransferUnit] = static_cast<int16_t>((unitChoice & 0x0F) % 3);
        state.TransferAddress = armedTransferAddress(state);
        window.idle = false;
        try {
            link.start();
        } catch (const ProgramError&) {
            window.idle = true;  // a frame that cannot be built is reported by the caller
        }
    };

    ImageWatch watch(state.Image);
    while (!input.atEnd()) {
        const uint8_t event = input.take();
        const int kind = event >> 5;
        if (window.idle && kind != 7) startNext();
        const int operation = state.OperationCode;
        const bool oneByte = state.FlagTable[Flag::TransferUnit] == Unit::OneByte ||
                             (state.FlagTable[Flag::TransferUnit] == Unit::Configuration &&
                              state.SavedTransferUnit == Unit::OneByte);
        const int first = oneByte ? state.CurrentAddress : state.CurrentBlock * BlockSize;
        const int count = oneByte ? 1 : BlockSize;
        watch.beforeEvent(first, count);
        switch (kind) {
            case 0:
            case 1:
            case 2:
            case 7:
                deliver(port, replyFor(state, port, operation, event & 0x10, input), event);
                break;
            case 3: {
                QByteArray reply = replyFor(state, port, operation, false, input);
                const qsizetype at = input.take() % std::max<qsizetype>(reply.size(), 1);
                if (!reply.isEmpty()) reply[at] = static_cast<char>(reply[at] ^ (input.take() | 1));
                deliver(port, reply, event);
                break;
            }
            case 4:
                deliver(port, replyFor(state, port, (operation + 1) % 3, false, input), event);
                break;
            case 5: {
                QByteArray raw;
                for (int k = event & 0x1F; k > 0 && !input.atEnd(); --k) {
                    raw.append(static_cast<char>(input.take()));
                }
                port.receive(raw);
                break;
            }
            default:
                if ((event & 3) == 0 && window.timerRunning) {
                    link.tmrWait_Timer();
                } else if ((event & 3) == 1) {
                    link.portLost();
                } else if ((event & 3) == 2) {
                    link.requestStop();
                }
                break;
        }

        watch.afterEvent(operation, first, count);
        checkDifferences(std::exchange(window.differences, {}), first, count);
        if (!window.idle && !window.timerRunning) breach("waiting for a reply with no timer");
        if (!isOwnMessage(window.message)) breach("a message the program does not have");
    }
    watch.atEnd();
    return 0;
}
