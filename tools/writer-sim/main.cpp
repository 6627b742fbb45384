// writer-sim: a writer board on a pseudo-terminal, for running the program without hardware.
// Prints the terminal's path on the first line of standard output and answers frames until
// interrupted (SIGINT or SIGTERM).

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "BoardLine.h"
#include "WriterBoard.h"

namespace {

volatile sig_atomic_t stopRequested = 0;

void requestStop(int) { stopRequested = 1; }

const char* const usage =
    "usage: writer-sim [options]\n"
    "  --link PATH        also make PATH a symbolic link to the terminal (removed on exit),\n"
    "                     e.g. ~/.local/share/tavelin/設定/COM1\n"
    "  --image FILE       start with the EEPROM holding FILE (raw bytes from address 0,\n"
    "                     at most 131072; the rest stays FF)\n"
    "  --save FILE        write the EEPROM's 131072 bytes to FILE on exit\n"
    "  --chunk N          send answers in pieces of N bytes, 1 ms apart\n"
    "  --baud N           take as long as a line of N baud would (10 bits a byte) to receive\n"
    "                     each frame and to send each answer\n"
    "  --corrupt-config   echo the configuration frame with one byte changed\n"
    "  --bad-check        give READ and VERIFY replies a wrong check byte\n"
    "  --flip ADDR        give the byte at ADDR (decimal, or hexadecimal with 0x) with its\n"
    "                     lowest bit changed in READ and VERIFY replies\n"
    "  --silent           answer nothing\n"
    "  --silent-after N   answer N frames, then nothing\n"
    "  --verbose          log every exchange on standard error\n"
    "A frame with a wrong end marker or check byte gets no answer, so the program times out.\n";

struct Options : BoardFiles {
    std::size_t chunk = 0;
    long baud = 0;
    bool verbose = false;
    WriterBoard::Faults faults;
};

bool parseCount(const char* text, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && value >= 0;
}

bool parseAddress(const char* text, long& value) {
    char* end = nullptr;
    errno = 0;
    const bool hex = std::strncmp(text, "0x", 2) == 0 || std::strncmp(text, "0X", 2) == 0;
    value = std::strtol(hex ? text + 2 : text, &end, hex ? 16 : 10);
    return errno == 0 && *end == '\0' && end != (hex ? text + 2 : text) && value >= 0 &&
           value < WriterBoard::MemorySize;
}

// False (after a message) when the command line is not understood.
bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long count = 0;
        if (arg == "--help" || arg == "-h") {
            std::cout << usage;
            std::exit(0);
        } else if (takeBoardFileOption(argc, argv, i, options)) {
            // --link, --image or --save, taken
        } else if (arg == "--chunk" && hasValue && parseCount(argv[++i], count) && count > 0) {
            options.chunk = static_cast<std::size_t>(count);
        } else if (arg == "--baud" && hasValue && parseCount(argv[++i], count) && count > 0) {
            options.baud = count;
        } else if (arg == "--silent-after" && hasValue && parseCount(argv[++i], count)) {
            options.faults.silentAfter = static_cast<int>(count);
        } else if (arg == "--flip" && hasValue && parseAddress(argv[++i], count)) {
            options.faults.flipAddress = static_cast<int>(count);
        } else if (arg == "--corrupt-config") {
            options.faults.corruptConfig = true;
        } else if (arg == "--bad-check") {
            options.faults.badCheck = true;
        } else if (arg == "--silent") {
            options.faults.silent = true;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else {
            std::cerr << "writer-sim: not understood: " << arg << "\n" << usage;
            return false;
        }
    }
    return true;
}

// The serial line's clock at a given speed. A pty delivers everything at once; a real line takes
// 10 bit times a byte in each direction, and that time, not the program's, bounds a transfer.
// Deadlines are absolute, so sleeping late once does not add up over a whole-memory transfer.
class LinePace {
public:
    explicit LinePace(long baud) : nanosPerByte_(baud > 0 ? 10'000'000'000LL / baud : 0) {}

    bool paced() const { return nanosPerByte_ > 0; }

    // Bytes read from the terminal were on the wire until now at the earliest, and behind
    // whatever was still arriving: waits until the last of them has arrived.
    void receive(std::size_t count) {
        if (!paced()) return;
        receivedAt_ = std::max(receivedAt_, now()) + static_cast<long long>(count) * nanosPerByte_;
        sleepUntil(receivedAt_);
    }

    // Sends in pieces of about a millisecond each, every piece when its last byte would have left.
    // The answer starts on the line the moment its frame was in: a late wake-up is caught up
    // rather than added to the transfer.
    bool send(int fd, const std::vector<uint8_t>& answer) {
        const std::size_t piece = std::max<std::size_t>(1, 1'000'000 / nanosPerByte_);
        long long at = receivedAt_;
        for (std::size_t done = 0; done < answer.size(); done += piece) {
            const std::size_t count = std::min(piece, answer.size() - done);
            at += static_cast<long long>(count) * nanosPerByte_;
            sleepUntil(at);
            if (!writeAll(fd, answer.data() + done, count, stopRequested)) return false;
        }
        receivedAt_ = std::max(receivedAt_, at);
        return true;
    }

private:
    static long long now() {
        timespec t{};
        ::clock_gettime(CLOCK_MONOTONIC, &t);
        return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
    }
    static void sleepUntil(long long deadline) {
        const timespec t{static_cast<time_t>(deadline / 1'000'000'000LL),
                         static_cast<long>(deadline % 1'000'000'000LL)};
        while (!stopRequested &&
               ::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
        }
    }

    long long nanosPerByte_;
    long long receivedAt_ = 0;
};

bool sendAnswer(int fd, const std::vector<uint8_t>& answer, std::size_t chunk) {
    const std::size_t piece = chunk == 0 ? answer.size() : chunk;
    for (std::size_t done = 0; done < answer.size(); done += piece) {
        if (done > 0) ::usleep(1000);
        if (!writeAll(fd, answer.data() + done, std::min(piece, answer.size() - done),
                      stopRequested)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) return 2;

    WriterBoard board(options.faults);
    if (!options.image.empty() && !loadImage("writer-sim", options.image, board.memory())) {
        std::cerr << "writer-sim: cannot read " << options.image << "\n";
        return 1;
    }

    BoardPty pty;
    if (!openBoardPty("writer-sim", pty)) return 1;
    const int master = pty.master;
    const std::string& slavePath = pty.path;

    if (!options.link.empty() && !makeLink("writer-sim", options.link, slavePath)) return 1;

    struct sigaction action {};
    action.sa_handler = requestStop;  // no SA_RESTART: a blocked read or write returns EINTR
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    std::cout << slavePath << std::endl;

    int status = 0;
    LinePace pace(options.baud);
    std::vector<uint8_t> buffer(4096);
    while (!stopRequested) {
        pollfd wait{master, POLLIN, 0};
        const int ready = ::poll(&wait, 1, WriterBoard::StallMs);
        if (ready == 0) board.stalled();  // a whole period went by in silence
        if (ready <= 0) continue;
        const ssize_t n = ::read(master, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EIO) continue;
            std::cerr << "writer-sim: read: " << std::strerror(errno) << "\n";
            status = 1;
            break;
        }
        pace.receive(static_cast<std::size_t>(n));
        const std::vector<uint8_t> answer =
            board.receive(std::span(buffer.data(), static_cast<std::size_t>(n)));
        if (options.verbose) {
            std::cerr << "writer-sim: " << n << " bytes in, " << answer.size() << " out, "
                      << board.rejectedFrames() << " frames refused so far\n";
        }
        const bool sent =
            pace.paced() ? pace.send(master, answer) : sendAnswer(master, answer, options.chunk);
        if (!answer.empty() && !sent && !stopRequested) {
            std::cerr << "writer-sim: write: " << std::strerror(errno) << "\n";
        }
    }

    if (!options.link.empty()) removeLink(options.link, slavePath);
    if (!options.save.empty() && !saveImage(options.save, board.memory())) {
        std::cerr << "writer-sim: cannot save " << options.save << "\n";
        status = 1;
    }
    closeBoardPty(pty);
    return status;
}
