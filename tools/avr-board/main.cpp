// avr-board: the writer board's firmware running in an instruction-level simulator, its serial
// line on a pseudo-terminal and its I2C bus on a simulated 24Cxx chip. Prints the terminal's path
// on the first line of standard output and runs until interrupted (SIGINT or SIGTERM).

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "AvrBoard.h"
#include "BoardLine.h"
#include "Eeprom24.h"

namespace {

volatile sig_atomic_t stopRequested = 0;

void requestStop(int) { stopRequested = 1; }

const char* const usage =
    "usage: avr-board [options]\n"
    "  --link PATH      also make PATH a symbolic link to the terminal (removed on exit)\n"
    "  --chip NAME      the part in the socket (24C01 ... 24C1025, default 24C1024),\n"
    "                   or none for an empty socket\n"
    "  --image FILE     start with the chip holding FILE (raw bytes from address 0)\n"
    "  --save FILE      write the chip's bytes to FILE on exit\n"
    "  --firmware ELF   the firmware to run (default: the one built with this program)\n"
    "  --realtime       keep simulated time from running ahead of the wall clock\n"
    "  --verbose        log every exchange on standard error\n";

struct Options : BoardFiles {
    std::string firmware = WRITER_BOARD_ELF;
    std::string chip = "24C1024";
    bool realtime = false;
    bool verbose = false;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::cout << usage;
            std::exit(0);
        } else if (takeBoardFileOption(argc, argv, i, options)) {
            // --link, --image or --save, taken
        } else if (arg == "--firmware" && hasValue) {
            options.firmware = argv[++i];
        } else if (arg == "--chip" && hasValue) {
            options.chip = argv[++i];
        } else if (arg == "--realtime") {
            options.realtime = true;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else {
            std::cerr << "avr-board: not understood: " << arg << "\n" << usage;
            return false;
        }
    }
    return true;
}

uint64_t wallNanoseconds() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return uint64_t(t.tv_sec) * 1'000'000'000ull + uint64_t(t.tv_nsec);
}

// Simulated time against the wall clock. Unpaced, the simulator runs as fast as it can (about 5x
// real time); paced, it waits whenever it is ahead. The line going quiet paces it too, so an idle
// board costs no processor time and its firmware's time-outs pass as they would on a desk.
class Pace {
public:
    static constexpr uint64_t QuietAfterNs = 20'000'000;

    explicit Pace(bool realtime) : realtime_(realtime) {}

    void traffic(uint64_t wall) { lastTraffic_ = wall; }

    void keep(uint64_t simulated, uint64_t wall) {
        const bool paced = realtime_ || wall - lastTraffic_ > QuietAfterNs;
        // A pace starts from where both clocks stand; a simulator that fell far behind catches
        // up from there rather than racing.
        if (!paced_ || !paced || wall > simulated - simulatedAt_ + wallAt_ + 100'000'000ull) {
            simulatedAt_ = simulated;
            wallAt_ = wall;
        }
        paced_ = paced;
        if (!paced) return;
        const uint64_t due = wallAt_ + (simulated - simulatedAt_);
        if (due > wall + 1'000'000) ::usleep(static_cast<useconds_t>((due - wall) / 1000));
    }

private:
    bool realtime_;
    bool paced_ = false;
    uint64_t lastTraffic_ = 0;
    uint64_t simulatedAt_ = 0;
    uint64_t wallAt_ = 0;
};

void logBytes(const char* what, const std::vector<uint8_t>& bytes) {
    std::cerr << "avr-board: " << what << " " << bytes.size() << " bytes:";
    for (std::size_t i = 0; i < bytes.size() && i < 16; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
        std::cerr << hex;
    }
    std::cerr << (bytes.size() > 16 ? " ...\n" : "\n");
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) return 2;
    const Eeprom24::Part* part = nullptr;
    if (options.chip != "none") {
        part = Eeprom24::find(options.chip);
        if (!part) {
            std::cerr << "avr-board: no such part: " << options.chip << "\n" << usage;
            return 2;
        }
    }

    std::string error;
    AvrBoard board(options.firmware, part, error);
    if (!error.empty()) {
        std::cerr << "avr-board: " << error << "\n";
        return 1;
    }
    if (!options.image.empty() &&
        (!board.chip() || !loadImage("avr-board", options.image, board.chip()->memory()))) {
        std::cerr << "avr-board: cannot load " << options.image << " into the socket\n";
        return 1;
    }

    BoardPty pty;
    if (!openBoardPty("avr-board", pty)) return 1;
    if (!options.link.empty() && !makeLink("avr-board", options.link, pty.path)) return 1;

    struct sigaction action {};
    action.sa_handler = requestStop;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    std::cout << pty.path << std::endl;

    // Every 4000 cycles (250 us, some 3 bytes of the line) the terminal is looked at: often enough
    // that the receiver never waits, rarely enough that the simulation is not slowed.
    constexpr uint64_t CyclesBetweenLooks = 4000;
    int status = 0;
    Pace pace(options.realtime);
    std::vector<uint8_t> buffer(4096);
    while (!stopRequested) {
        if (!board.run(CyclesBetweenLooks)) {
            std::cerr << "avr-board: the firmware stopped\n";
            status = 1;
            break;
        }
        const uint64_t wall = wallNanoseconds();
        pollfd wait{pty.master, POLLIN, 0};
        if (::poll(&wait, 1, 0) > 0) {
            const ssize_t n = ::read(pty.master, buffer.data(), buffer.size());
            if (n > 0) {
                const std::vector<uint8_t> in(buffer.begin(), buffer.begin() + n);
                if (options.verbose) logBytes("in", in);
                board.receive(in.data(), in.size());
                pace.traffic(wall);
            }
        }
        const std::vector<uint8_t> out = board.takeSent();
        if (!out.empty()) {
            if (options.verbose) logBytes("out", out);
            writeAll(pty.master, out.data(), out.size(), stopRequested);
            pace.traffic(wall);
        }
        if (board.receiving()) pace.traffic(wall);
        pace.keep(board.nanoseconds(), wall);
    }

    if (!options.link.empty()) removeLink(options.link, pty.path);
    if (!options.save.empty() && board.chip() && !saveImage(options.save, board.chip()->memory())) {
        std::cerr << "avr-board: cannot save " << options.save << "\n";
        status = 1;
    }
    closeBoardPty(pty);
    return status;
}
