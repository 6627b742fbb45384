#include "BoardSession.h"

#include <QEventLoop>

#include "CliFailure.h"
#include "LinkFrames.h"
#include "ProgramState.h"
#include "Progress.h"

using namespace LinkFrames;

BoardSession::BoardSession(ProgramState& state, SerialPort& port, Progress& progress)
    : state_(state),
      progress_(progress),
      window_(state),
      link_(state, port, dialogs_, window_) {
    window_.setLink(&link_);
}

std::vector<Difference> BoardSession::run(int operation, const TransferRange& range) {
    state_.OperationCode = static_cast<uint8_t>(operation);
    state_.FlagTable[Flag::TransferUnit] = static_cast<int16_t>(range.unit);
    const bool wholeMemory = range.unit == Unit::WholeMemory;
    // Put the view where the window's user would have put it before pressing the button.
    if (range.unit == Unit::OneByte) {
        state_.CurrentCell = static_cast<int16_t>(range.address % BlockSize);
        window_.moveBlockBar(range.address / BlockSize);
    } else if (range.unit == Unit::Block) {
        window_.moveBlockBar(range.block);
    }
    state_.TransferAddress = armedTransferAddress(state_);

    const int units = wholeMemory ? window_.blockBarMaximum() + 1 : 1;
    progress_.begin(operationName(operation).toLower(), units,
                    range.unit == Unit::OneByte ? 1 : BlockSize);
    window_.setBlockMoved(wholeMemory ? [this](int block) { progress_.advance(block); }
                                      : std::function<void(int)>());

    std::vector<Difference> differences;
    runToEnd([this] { link_.start(); });
    while (window_.failed()) {
        if (!collectDifferences(differences)) {
            progress_.end();
            throw CliFailure{window_.portLost() ? ExitCode::Port : ExitCode::Board,
                             window_.failures().join(u'\n')};
        }
        // A differing block ends the link's VERIFY; the rest of the memory is verified from the
        // next block on, as a new operation.
        if (!wholeMemory || state_.CurrentBlock >= window_.blockBarMaximum()) break;
        const int next = state_.CurrentBlock + 1;
        runToEnd([this, next] { link_.startWholeMemoryAt(next); });
    }
    progress_.advance(units);
    progress_.end();
    return differences;
}

void BoardSession::runToEnd(const std::function<void()>& start) {
    window_.clearOutcome();
    QEventLoop loop;
    window_.setEnded([&loop] { loop.quit(); });
    start();
    if (!window_.ended()) loop.exec();
    window_.setEnded({});
}

// After a VERIFY that ended in an error: when the reply was sound and only its bytes differ from
// the image, adds the differing addresses and returns true. A garbled reply or a missing one is
// the board's failure, not a difference.
bool BoardSession::collectDifferences(std::vector<Difference>& differences) const {
    if (state_.OperationCode != Operation::Verify || window_.timedOut()) return false;
    const auto& reply = state_.ReceiveBuffer;
    const int unit = state_.FlagTable[Flag::TransferUnit];
    int32_t first = 0;
    int count = 0;
    if (unit == Unit::OneByte) {
        const bool sound = reply[0] == commandCode(Operation::Verify, unit) &&
                           reply[2] == EndMarker && reply[3] == (reply[1] ^ reply[2]);
        if (!sound) return false;
        first = state_.CurrentAddress;
        count = 1;
    } else {
        if (link_.funRXD_BlockReadErrerCheck()) return false;
        first = state_.CurrentBlock * BlockSize;
        count = BlockSize;
    }
    const std::size_t before = differences.size();
    for (int k = 0; k < count; ++k) {
        const uint8_t expected = imageByte(state_.Image, first + k);
        const uint8_t read = reply[static_cast<std::size_t>(k) + 1];
        if (expected != read) differences.push_back({first + k, expected, read});
    }
    return differences.size() > before;
}
