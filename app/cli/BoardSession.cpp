#include "BoardSession.h"

#include <QEventLoop>

#include "CliFailure.h"
#include "LinkFrames.h"
#include "ProgramState.h"
#include "Progress.h"
#include "VerifyDifferences.h"

using namespace LinkFrames;

BoardSession::BoardSession(ProgramState& state, SerialPort& port, Progress& progress)
    : state_(state), progress_(progress), window_(state), link_(state, port, dialogs_, window_) {
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
    window_.setDifferencesFound([this, &differences](const VerifyDifferences& found) {
        collectDifferences(found, differences);
    });
    runToEnd([this] { link_.start(); });
    while (window_.failed()) {
        if (!window_.differed()) {
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
    window_.setDifferencesFound({});
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

// The link compared the reply with the image: every differing address, with the chip's byte
// from the reply it is handling.
void BoardSession::collectDifferences(const VerifyDifferences& found,
                                      std::vector<Difference>& differences) const {
    for (const int offset : found.offsets) {
        const int32_t address = found.start + offset;
        differences.push_back({address, imageByte(state_.Image, address),
                               state_.ReceiveBuffer[static_cast<std::size_t>(offset) + 1]});
    }
}
