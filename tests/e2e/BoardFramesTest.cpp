#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QProcess>
#include <chrono>
#include <thread>

#include "BoardFrameTable.h"

using namespace BoardFrameTable;

namespace {

// A board program on its pseudo-terminal, talked to as raw bytes.
class BoardProcess {
public:
    explicit BoardProcess(const QString& program, const QStringList& options = {}) {
        process_.start(program, options);
        if (!process_.waitForStarted(5000) || !process_.waitForReadyRead(10000)) return;
        const QByteArray path = process_.readLine().trimmed();
        line_ = ::open(path.constData(), O_RDWR | O_NOCTTY);
        termios mode{};
        if (line_ >= 0 && ::tcgetattr(line_, &mode) == 0) {
            ::cfmakeraw(&mode);
            ::tcsetattr(line_, TCSANOW, &mode);
        }
    }
    ~BoardProcess() {
        if (line_ >= 0) ::close(line_);
        process_.terminate();
        process_.waitForFinished(5000);
    }
    bool ok() const { return line_ >= 0; }

    void send(const Bytes& bytes) {
        ASSERT_EQ(::write(line_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    // What comes back until `size` bytes are in, or the line has been quiet for `quietMs`.
    Bytes receive(std::size_t size, int quietMs) {
        Bytes got;
        uint8_t buffer[4096];
        pollfd wait{line_, POLLIN, 0};
        while (got.size() < size || size == 0) {
            if (::poll(&wait, 1, quietMs) <= 0) break;
            const ssize_t n = ::read(line_, buffer, sizeof buffer);
            if (n <= 0) break;
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

private:
    QProcess process_;
    int line_ = -1;
};

// Long enough for a simulated board to take in a block frame and answer it, or to prove silent.
constexpr int QuietMs = 1000;

class BoardFrames : public ::testing::TestWithParam<const char*> {};

TEST_P(BoardFrames, AnswerEveryRowOfTheTable) {
    BoardProcess board(QString::fromUtf8(GetParam()));
    ASSERT_TRUE(board.ok());
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.name);
        board.send(row.sent);
        if (row.pauseMs > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(row.pauseMs));
            board.send(row.then);
        }
        EXPECT_EQ(board.receive(row.answer.size(), QuietMs), row.answer);
    }
}

INSTANTIATE_TEST_SUITE_P(BothBoards, BoardFrames, ::testing::Values(WRITER_SIM, AVR_BOARD));

TEST(AvrBoardSocket, AnEmptySocketAnswersTheConfigurationButNoRequest) {
    BoardProcess board(QStringLiteral(AVR_BOARD), {"--chip", "none"});
    ASSERT_TRUE(board.ok());
    board.send(config(0) + request(0xA2) + block(0xA7, 1));
    EXPECT_EQ(board.receive(0, QuietMs), config(0));
}

}  // namespace
