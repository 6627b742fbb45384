#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

#include "FailureReport.h"
#include "LinkMessages.h"

class Dialogs;
class SerialPort;
struct ProgramState;
struct VerifyDifferences;

// What a transfer does to the main window. The window implements it; tests record the calls.
class LinkWindow {
public:
    virtual ~LinkWindow() = default;
    // The message line lblMessage: its text, and its text colour as a Windows colour value.
    virtual void setMessage(const QString& text) = 0;
    virtual void setMessageColour(int32_t windowsColour) = 0;
    // The block scroll bar hscBlock: it counts the blocks of a whole-memory transfer.
    virtual int blockBarValue() const = 0;
    virtual int blockBarMaximum() const = 0;
    // Sets hscBlock and runs hscBlock_Change: CurrentBlock and CurrentAddress follow and the grid
    // is redrawn.
    virtual void moveBlockBar(int value) = 0;
    virtual void subBlockDisplay() = 0;
    // Back to idle at the end of an operation; leaves the message line alone.
    virtual void subObjectEnable() = 0;
    // tmrWait, 5000 ms. Its tick must call WriterLink::tmrWait_Timer.
    virtual void startWaitTimer() = 0;
    virtual void stopWaitTimer() = 0;
    // The port failed and closed itself: the communication frame's caption says so.
    virtual void showPortLost() = 0;
    // Blocks done of a whole-memory transfer; 0 when one starts. A face without a progress
    // display leaves this alone.
    virtual void showProgress(int /*blocksDone*/, int /*blockCount*/) {}
    // A VERIFY reply differs from the image: the window points at the bytes until the next
    // operation. The image itself stays as it is.
    virtual void showVerifyDifferences(const VerifyDifferences& /*differences*/) {}
};

// The first press of WRITE, READ or VERIFY: a block transfer starts at the block shown; a one-byte
// transfer takes the selected cell when the configuration frame is built, so it arms with 0.
int32_t armedTransferAddress(const ProgramState& state);

// What START does to the record once the window shows the right block: a whole-memory transfer
// starts at address 0, and the chosen unit waits in SavedTransferUnit while the unit reads 3 for
// the configuration exchange.
void enterConfigurationExchange(ProgramState& state);

// The conversation with the writer board: builds and sends the frames, assembles and checks the
// replies byte by byte, and runs a transfer from the configuration exchange to its last block.
// One frame is outstanding at a time; its reply, or the wait timer's tick, moves things on.
// Bytes that arrive while no operation waits for them change nothing. The link installs itself as
// the port's receive and lost handlers for its lifetime.
class WriterLink {
public:
    WriterLink(ProgramState& state, SerialPort& prtLocal, Dialogs& dialogs, LinkWindow& window);
    ~WriterLink();
    WriterLink(const WriterLink&) = delete;
    WriterLink& operator=(const WriterLink&) = delete;

    // START of an armed operation, after the window has disabled its operation buttons: shows
    // block 0 for a whole-memory transfer, enters the configuration exchange, drops whatever the
    // board sent before and sends the configuration frame.
    void start();
    // START of a whole-memory transfer (the unit is 1) that begins at `block` instead of block 0:
    // the configuration frame carries that block's address and the board walks on from there.
    // The command line resumes a verify with it after a differing block.
    void startWholeMemoryAt(int block);

    // Sends the frame for OperationCode and the transfer unit (the configuration frame while the
    // unit is 3) and starts the wait timer. Throws ProgramError when an image cell that a WRITE
    // frame needs is not two hexadecimal digits; nothing is sent then.
    void subCommPut();
    void subCommConfigSendPut();

    // The receive event: takes the bytes one at a time, whatever the chunking. The rest of a
    // delivery is dropped once a reply is complete or a first byte is not accepted.
    void prtLocal_AutoInput(const QByteArray& bytes);

    // True when the READ or VERIFY block reply in ReceiveBuffer is faulty.
    bool funRXD_BlockReadErrerCheck() const;

    // The wait timer's tick: the reply did not come in time.
    void tmrWait_Timer();

    // The port failed under us: a running operation ends at once as if its reply had timed out.
    void portLost();

    // Ends a running whole-memory transfer once the block in flight is done: what is done stays,
    // and the message line says where it stopped.
    void requestStop();
    // When on, a successful WRITE is followed at once by the VERIFY of the same range, and every
    // message of that VERIFY follows the WRITE's result.
    void setVerifyAfterWrite(bool on) { verifyAfterWrite_ = on; }

private:
    enum class Collect { Rejected, Collecting, Complete };

    void sendFirstFrame();
    bool takeByte(uint8_t b);
    Collect collect(uint8_t b, int length, uint8_t firstCode, uint8_t otherFirstCode);
    void finishConfigReply();
    void finishByteReply();
    void finishBlockReply();
    bool blockReplyIsGood();
    void storeReadByte(const QString& hh);
    void storeReadBlock();
    bool byteMatchesImage();
    void restoreTransferUnit();
    void endCompleted(const QString& message);
    void followWithVerify(const QString& writeResult);
    void endOperation();
    void say(const QString& message);
    bool callOut(const std::function<void()>& step);
    void endWithFailure(const QString& message);
    QString blockMessage(LinkOutcome outcome) const;
    QString byteMessage(LinkOutcome outcome, const QString& hh) const;
    QString frameFailureMessage() const;

    ProgramState& state_;
    SerialPort& prtLocal_;
    LinkWindow& window_;
    FailureReport report_;
    // From the sending of an operation's first frame until the operation ends: the only time
    // received bytes are assembled. A reply that comes later, or bytes nobody asked for, must not
    // touch the image or the message line, nor resume a finished transfer.
    bool awaitingReply_ = false;
    bool stopRequested_ = false;
    bool verifyAfterWrite_ = false;
    // The WRITE's result while its follow-on VERIFY runs, empty otherwise.
    QString writeResult_;
};
