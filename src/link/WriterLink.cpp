#include "WriterLink.h"

#include <QCoreApplication>
#include <algorithm>
#include <span>

#include "DataImage.h"
#include "LinkFrames.h"
#include "LinkMessages.h"
#include "ProgramState.h"
#include "SerialPort.h"
#include "VerifyDifferences.h"

using namespace LinkFrames;

namespace {

template <std::size_t N>
QByteArray toBytes(const std::array<uint8_t, N>& frame) {
    return QByteArray(reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(N));
}

// The reply in ReceiveBuffer equals the first N bytes of the frame sent.
template <std::size_t N, std::size_t M>
bool echoes(const std::array<uint8_t, N>& sent, const std::array<uint8_t, M>& received) {
    static_assert(N <= M);
    return std::equal(sent.begin(), sent.end(), received.begin());
}

}  // namespace

int32_t armedTransferAddress(const ProgramState& state) {
    const int unit = state.FlagTable[Flag::TransferUnit];
    return unit == Unit::Block || unit == Unit::WholeMemory ? state.CurrentBlock * BlockSize : 0;
}

void enterConfigurationExchange(ProgramState& state) {
    int16_t& unit = state.FlagTable[Flag::TransferUnit];
    if (unit == Unit::WholeMemory) state.TransferAddress = 0;
    state.SavedTransferUnit = static_cast<uint8_t>(unit);
    unit = Unit::Configuration;
}

WriterLink::WriterLink(ProgramState& state, SerialPort& prtLocal, Dialogs& dialogs,
                       LinkWindow& window)
    : state_(state),
      prtLocal_(prtLocal),
      window_(window),
      report_(state, dialogs, QStringLiteral("prtLocal_AutoInput")) {
    // A time-out must not end the operation behind an open error box: Retry sends again and
    // restarts the timer, Cancel ends the operation here.
    report_.setBeforeReport([this] { window_.stopWaitTimer(); });
    prtLocal_.setReceiveHandler([this](const QByteArray& bytes) { prtLocal_AutoInput(bytes); });
    prtLocal_.setPortLostHandler([this] { portLost(); });
}

WriterLink::~WriterLink() {
    prtLocal_.setReceiveHandler({});
    prtLocal_.setPortLostHandler({});
}

void WriterLink::start() {
    if (state_.FlagTable[Flag::TransferUnit] == Unit::WholeMemory) {
        window_.showProgress(0, window_.blockBarMaximum() + 1);
        return startWholeMemoryAt(0);
    }
    enterConfigurationExchange(state_);
    sendFirstFrame();
}

void WriterLink::startWholeMemoryAt(int block) {
    window_.moveBlockBar(block);
    enterConfigurationExchange(state_);
    state_.TransferAddress = block * BlockSize;
    sendFirstFrame();
}

void WriterLink::sendFirstFrame() {
    stopRequested_ = false;
    // A late reply still waiting in the port would be taken for the start of the echo.
    prtLocal_.discardReceived();
    subCommPut();
}

void WriterLink::subCommPut() {
    state_.ReceiveCount = 0;
    window_.setMessageColour(InformationColour);
    const int unit = state_.FlagTable[Flag::TransferUnit];
    if (unit == Unit::Configuration) {
        subCommConfigSendPut();
        return;
    }
    const int operation = state_.OperationCode;
    const uint8_t code = commandCode(operation, unit);
    if (code == 0) return;  // PROPERTY, or a unit no button offers: there is no frame to send

    // Frames are built aside and stored only when whole, so a failed build keeps the frame whose
    // reply may still be compared.
    QByteArray frame;
    if (operation != Operation::Write) {
        state_.RequestFrame = requestFrame(code);
        frame = toBytes(state_.RequestFrame);
    } else if (unit == Unit::OneByte) {
        state_.ByteFrame = byteFrame(imageByte(state_.Image, state_.TransferAddress));
        frame = toBytes(state_.ByteFrame);
    } else {
        state_.BlockFrame = blockFrame(code, imageBlock(state_.Image, state_.TransferAddress));
        frame = toBytes(state_.BlockFrame);
    }
    prtLocal_.expectReply(unit == Unit::OneByte ? ByteLength : BlockLength);
    prtLocal_.send(frame);
    state_.ConfigSentFlag = 0;
    awaitingReply_ = true;
    window_.startWaitTimer();
}

void WriterLink::subCommConfigSendPut() {
    if (state_.SavedTransferUnit == Unit::OneByte) state_.TransferAddress = state_.CurrentAddress;
    state_.ConfigFrame = configFrame(state_.ControlBytes, state_.TransferAddress,
                                     state_.PageSizeBytes, state_.CapacityBytes);
    prtLocal_.expectReply(ConfigLength);
    prtLocal_.send(toBytes(state_.ConfigFrame));
    state_.ConfigSentFlag = 1;
    awaitingReply_ = true;
    window_.startWaitTimer();
}

void WriterLink::prtLocal_AutoInput(const QByteArray& bytes) {
    if (!awaitingReply_) return;
    state_.CurrentStep = QCoreApplication::translate("WriterLink", "自動受信処理");
    for (const char c : bytes) {
        if (!takeByte(static_cast<uint8_t>(c))) return;
    }
}

// False when the rest of the delivery is to be dropped. While an operation runs, bytes are
// assembled against its current unit and operation code.
bool WriterLink::takeByte(uint8_t b) {
    const int unit = state_.FlagTable[Flag::TransferUnit];
    const int operation = state_.OperationCode;
    Collect result;
    if (unit == Unit::Configuration) {
        result = collect(b, ConfigLength, ConfigCode, ConfigCode);
    } else if (operation > Operation::Verify) {
        return true;  // after PROPERTY or CANCEL only a configuration reply is listened to
    } else if (unit == Unit::OneByte) {
        const uint8_t code = commandCode(operation, unit);
        result = collect(b, ByteLength, code, code);
    } else if (unit == Unit::Block || unit == Unit::WholeMemory) {
        result = collect(b, BlockLength, commandCode(operation, Unit::Block),
                         commandCode(operation, Unit::WholeMemory));
    } else {
        return true;
    }

    switch (result) {
        case Collect::Collecting:
            return true;
        case Collect::Rejected:
            if (unit == Unit::Configuration) restoreTransferUnit();
            return false;
        case Collect::Complete:
            break;
    }
    if (unit == Unit::Configuration) {
        // The timer keeps running: the first command frame restarts it, a bad echo ends by it.
        finishConfigReply();
    } else {
        window_.stopWaitTimer();
        if (unit == Unit::OneByte) {
            finishByteReply();
        } else {
            finishBlockReply();
        }
    }
    return false;
}

WriterLink::Collect WriterLink::collect(uint8_t b, int length, uint8_t firstCode,
                                        uint8_t otherFirstCode) {
    int16_t& count = state_.ReceiveCount;
    // The count lives in the shared record; one that does not fit this reply's length would run
    // past the buffer and could never complete, so this byte starts a new reply instead.
    if (count < 0 || count >= length) count = 0;
    if (count == 0) {
        if (b != firstCode && b != otherFirstCode) return Collect::Rejected;
        state_.ReceiveBuffer[0] = b;
        count = 1;
        return Collect::Collecting;
    }
    state_.ReceiveBuffer[static_cast<std::size_t>(count)] = b;
    if (count == length - 1) {
        count = 0;
        return Collect::Complete;
    }
    ++count;
    return Collect::Collecting;
}

void WriterLink::finishConfigReply() {
    const bool same = echoes(state_.ConfigFrame, state_.ReceiveBuffer);
    restoreTransferUnit();
    if (!same) {
        window_.setMessageColour(FailureColour);
        say(QCoreApplication::translate("WriterLink", "Config DataError"));
        return;
    }
    say(QCoreApplication::translate("WriterLink", "Config Completed"));
    if (!callOut([this] { subCommPut(); })) endWithFailure(frameFailureMessage());
}

void WriterLink::finishByteReply() {
    const auto& reply = state_.ReceiveBuffer;
    const QString hh = hexByte(reply[1]);
    const bool framed = reply[2] == EndMarker && reply[3] == (reply[1] ^ reply[2]);
    bool good = false;
    switch (state_.OperationCode) {
        case Operation::Write:
            good = echoes(state_.ByteFrame, reply);
            break;
        case Operation::Read:
            good = framed;
            if (good && !callOut([&] { storeReadByte(hh); })) {
                return endWithFailure(byteMessage(LinkOutcome::ByteError, hh));
            }
            // A failed redraw leaves the grid stale, not the byte unread.
            if (good) callOut([this] { window_.subBlockDisplay(); });
            break;
        default:
            good = framed;
            if (good && !callOut([&] { good = byteMatchesImage(); })) {
                return endWithFailure(byteMessage(LinkOutcome::ByteError, hh));
            }
            break;
    }
    if (!good) return endWithFailure(byteMessage(LinkOutcome::ByteError, hh));
    endCompleted(byteMessage(LinkOutcome::ByteCompleted, hh));
}

// What a READ stores is one undo step, however many blocks it takes; the step closes when the
// operation ends.
void WriterLink::storeReadByte(const QString& hh) {
    state_.History.willChange(state_.Image, state_.EditMarks, state_.CurrentAddress, 1);
    state_.Image.set(state_.CurrentAddress, hh);
}

void WriterLink::storeReadBlock() {
    const int base = state_.CurrentBlock * BlockSize;
    state_.History.willChange(state_.Image, state_.EditMarks, base, BlockSize);
    for (int k = 1; k <= BlockSize; ++k) {
        state_.Image.set(base + k - 1, hexByte(state_.ReceiveBuffer[k]));
    }
}

bool WriterLink::byteMatchesImage() {
    const VerifyDifferences differences = compareWithImage(
        state_.Image, state_.CurrentAddress, std::span(state_.ReceiveBuffer).subspan(1, 1));
    if (differences.any()) window_.showVerifyDifferences(differences);
    return !differences.any();
}

void WriterLink::finishBlockReply() {
    const int operation = state_.OperationCode;
    const QString failed = blockMessage(LinkOutcome::BlockError);
    bool good = false;
    if (!callOut([&] { good = blockReplyIsGood(); })) return endWithFailure(failed);
    if (!good) return endWithFailure(failed);

    if (operation == Operation::Read) {
        // Stored only now that every check has passed: a bad reply leaves the image as it was.
        const bool stored = callOut([this] { storeReadBlock(); });
        if (!stored) return endWithFailure(failed);
    }

    const bool wholeMemory = state_.FlagTable[Flag::TransferUnit] == Unit::WholeMemory &&
                             state_.ReceiveBuffer[0] == commandCode(operation, Unit::WholeMemory);
    if (wholeMemory)
        window_.showProgress(window_.blockBarValue() + 1, window_.blockBarMaximum() + 1);
    if (wholeMemory && window_.blockBarValue() < window_.blockBarMaximum()) {
        if (stopRequested_) {
            if (operation == Operation::Read) callOut([this] { window_.subBlockDisplay(); });
            return endWithFailure(linkMessage(operation, LinkOutcome::Stopped)
                                      .arg(QString::number(state_.CurrentBlock)));
        }
        say(blockMessage(LinkOutcome::BlockCompleted));
        const int next = window_.blockBarValue() + 1;
        if (!callOut([&] { window_.moveBlockBar(next); })) return endWithFailure(failed);
        state_.TransferAddress = state_.CurrentBlock * BlockSize;
        if (!callOut([this] { subCommPut(); })) endWithFailure(frameFailureMessage());
        return;
    }
    if (wholeMemory) {
        if (operation == Operation::Read) callOut([this] { window_.subBlockDisplay(); });
        endCompleted(linkMessage(operation, LinkOutcome::AllCompleted));
    } else {
        callOut([this] { window_.subBlockDisplay(); });
        endCompleted(linkMessage(operation, LinkOutcome::Completed));
    }
}

bool WriterLink::blockReplyIsGood() {
    const auto& reply = state_.ReceiveBuffer;
    if (state_.OperationCode == Operation::Write) return echoes(state_.BlockFrame, reply);
    if (funRXD_BlockReadErrerCheck()) return false;
    if (state_.OperationCode == Operation::Verify) {
        const VerifyDifferences differences = compareWithImage(
            state_.Image, state_.CurrentBlock * BlockSize, std::span(reply).subspan(1, BlockSize));
        if (differences.any()) window_.showVerifyDifferences(differences);
        return !differences.any();
    }
    return true;
}

bool WriterLink::funRXD_BlockReadErrerCheck() const {
    const auto& reply = state_.ReceiveBuffer;
    const uint8_t code = commandCode(state_.OperationCode, state_.FlagTable[Flag::TransferUnit]);
    if (reply[0] != code || reply[0] != state_.RequestFrame[0]) return true;
    if (reply[BlockLength - 2] != EndMarker || state_.RequestFrame[2] != EndMarker) return true;
    return xorOf(std::span(reply).subspan(1, BlockSize + 1)) != reply[BlockLength - 1];
}

void WriterLink::tmrWait_Timer() {
    window_.setMessageColour(FailureColour);
    if (state_.ConfigSentFlag == 1) {
        restoreTransferUnit();
        say(QCoreApplication::translate("WriterLink", "Conifig Timeover"));
    } else {
        say(QCoreApplication::translate("WriterLink", "受信タイムオーバー"));
    }
    window_.stopWaitTimer();
    prtLocal_.resetFirst();
    prtLocal_.resetSecond();
    endOperation();
}

void WriterLink::portLost() {
    window_.showPortLost();
    if (awaitingReply_) tmrWait_Timer();
}

void WriterLink::requestStop() {
    if (awaitingReply_) stopRequested_ = true;
}

// The good end of an operation. A stop asked for during the last block of a WRITE also forgoes
// its VERIFY: the user wanted the work to end.
void WriterLink::endCompleted(const QString& message) {
    say(message);
    if (state_.OperationCode == Operation::Write && verifyAfterWrite_ && !stopRequested_) {
        followWithVerify(message);
        return;
    }
    endOperation();
}

// The same unit and start address, from its own configuration exchange, since the board's address
// has moved on with the WRITE.
void WriterLink::followWithVerify(const QString& writeResult) {
    writeResult_ = writeResult;
    state_.OperationCode = Operation::Verify;
    if (!callOut([this] { start(); })) endWithFailure(frameFailureMessage());
}

void WriterLink::endOperation() {
    state_.History.endStep(state_.Image, state_.EditMarks);
    awaitingReply_ = false;
    stopRequested_ = false;
    writeResult_.clear();
    window_.subObjectEnable();
}

void WriterLink::say(const QString& message) {
    window_.setMessage(writeResult_.isEmpty() ? message
                                              : writeResult_ + QStringLiteral(" / ") + message);
}

void WriterLink::restoreTransferUnit() {
    state_.FlagTable[Flag::TransferUnit] = state_.SavedTransferUnit;
}

// A step that may fail runs under the handler's failure report; false when the user cancelled.
bool WriterLink::callOut(const std::function<void()>& step) { return report_.run(step); }

// Ends the operation with a red message. Also used when the user cancels a failed step: the
// operation cannot go on, and leaving the window with every operation button disabled would
// leave no way back.
void WriterLink::endWithFailure(const QString& message) {
    window_.stopWaitTimer();
    window_.setMessageColour(FailureColour);
    say(message);
    endOperation();
}

QString WriterLink::blockMessage(LinkOutcome outcome) const {
    return linkMessage(state_.OperationCode, outcome).arg(QString::number(state_.CurrentBlock));
}

QString WriterLink::byteMessage(LinkOutcome outcome, const QString& hh) const {
    return linkMessage(state_.OperationCode, outcome).arg(hh);
}

// The message for a frame that could not be built: in the form of the unit's own error
// messages, with the offending cell's text where a byte would be shown.
QString WriterLink::frameFailureMessage() const {
    if (state_.FlagTable[Flag::TransferUnit] != Unit::OneByte) {
        return blockMessage(LinkOutcome::BlockError);
    }
    const int address = state_.TransferAddress;
    const QString cell =
        address >= 0 && address < DataImage::Size ? state_.Image.at(address) : QString();
    return byteMessage(LinkOutcome::ByteError, cell);
}
