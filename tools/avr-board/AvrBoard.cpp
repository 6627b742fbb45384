#include "AvrBoard.h"

#include <unistd.h>

#include <cstdio>

extern "C" {
#include <avr_extint.h>
#include <avr_ioport.h>
#include <avr_twi.h>
#include <avr_uart.h>
#include <sim_avr.h>
#include <sim_elf.h>
#include <sim_io.h>
}

namespace {

// ATmega328P data addresses.
constexpr uint16_t PortD = 0x2B;
constexpr uint16_t Twcr = 0xBC;
constexpr uint8_t Twint = 0x80;
constexpr int SelectShift = 2;  // PD2..PD4 = A0..A2

// The ELF loader reports on standard output, which belongs to the terminal's path.
class StdoutToStderr {
public:
    StdoutToStderr() : saved_(::dup(1)) {
        std::fflush(stdout);
        ::dup2(2, 1);
    }
    ~StdoutToStderr() {
        std::fflush(stdout);
        ::dup2(saved_, 1);
        ::close(saved_);
    }

private:
    int saved_;
};

}  // namespace

AvrBoard::AvrBoard(const std::string& firmware, const Eeprom24::Part* part, std::string& error) {
    if (part) chip_ = std::make_unique<Eeprom24>(*part);
    elf_firmware_t elf{};
    {
        StdoutToStderr quiet;
        if (elf_read_firmware(firmware.c_str(), &elf) != 0) {
            error = "cannot load the firmware " + firmware;
            return;
        }
        avr_ = avr_make_mcu_by_name("atmega328p");
        if (!avr_) {
            error = "simavr has no ATmega328P";
            return;
        }
        avr_init(avr_);
        elf.frequency = Frequency;
        avr_load_firmware(avr_, &elf);
    }

    // No sleeping while the firmware polls the receiver, and no echo on the console.
    uint32_t flags = 0;
    avr_ioctl(avr_, AVR_IOCTL_UART_GET_FLAGS('0'), &flags);
    flags &= ~uint32_t(AVR_UART_FLAG_POLL_SLEEP | AVR_UART_FLAG_STDIO);
    avr_ioctl(avr_, AVR_IOCTL_UART_SET_FLAGS('0'), &flags);
    // A0/A1 held low on PD2/PD3 (INT0/INT1) would otherwise be checked every cycle.
    avr_extint_set_strict_lvl_trig(avr_, 0, 0);
    avr_extint_set_strict_lvl_trig(avr_, 1, 0);

    uartIn_ = avr_io_getirq(avr_, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_INPUT);
    avr_irq_register_notify(avr_io_getirq(avr_, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_OUTPUT),
                            onSent, this);
    avr_irq_register_notify(avr_io_getirq(avr_, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_OUT_XON),
                            onReceiverReady, this);
    avr_irq_register_notify(avr_io_getirq(avr_, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_OUT_XOFF),
                            onReceiverFull, this);
    busIn_ = avr_io_getirq(avr_, AVR_IOCTL_TWI_GETIRQ(0), TWI_IRQ_INPUT);
    avr_irq_register_notify(avr_io_getirq(avr_, AVR_IOCTL_TWI_GETIRQ(0), TWI_IRQ_OUTPUT), onBus,
                            this);
    avr_register_io_write(avr_, Twcr, afterTwcrWrite, this);
}

AvrBoard::~AvrBoard() {
    if (avr_) avr_terminate(avr_);
}

bool AvrBoard::run(uint64_t cycles) {
    if (!avr_) return false;
    const uint64_t until = avr_->cycle + cycles;
    while (avr_->cycle < until) {
        const int state = avr_run(avr_);
        if (state == cpu_Done || state == cpu_Crashed) return false;
    }
    return true;
}

uint64_t AvrBoard::nanoseconds() const { return avr_->cycle * 1'000'000'000ull / Frequency; }

void AvrBoard::receive(const uint8_t* bytes, std::size_t count) {
    input_.insert(input_.end(), bytes, bytes + count);
    feed();
}

std::vector<uint8_t> AvrBoard::takeSent() {
    std::vector<uint8_t> sent;
    sent.swap(sent_);
    return sent;
}

// The receiver drops what it cannot hold, so bytes go in only while it says it has room.
void AvrBoard::feed() {
    while (receiverReady_ && !input_.empty()) {
        const uint8_t byte = input_.front();
        input_.pop_front();
        avr_raise_irq(uartIn_, byte);
    }
}

void AvrBoard::onSent(avr_irq_t*, uint32_t value, void* self) {
    static_cast<AvrBoard*>(self)->sent_.push_back(static_cast<uint8_t>(value));
}

void AvrBoard::onReceiverReady(avr_irq_t*, uint32_t, void* self) {
    auto* board = static_cast<AvrBoard*>(self);
    board->receiverReady_ = true;
    board->feed();
}

void AvrBoard::onReceiverFull(avr_irq_t*, uint32_t, void* self) {
    static_cast<AvrBoard*>(self)->receiverReady_ = false;
}

// The levels the firmware drives on A0..A2 at this moment.
uint8_t AvrBoard::selectLevels() const { return (avr_->data[PortD] >> SelectShift) & 0x07; }

// The master's bus events, answered at once as simavr expects: an acknowledge for an address or
// a written byte, the data for a read.
void AvrBoard::onBus(avr_irq_t*, uint32_t value, void* self) {
    auto* board = static_cast<AvrBoard*>(self);
    Eeprom24* chip = board->chip_.get();
    if (!chip) return;  // an empty socket acknowledges nothing
    avr_twi_msg_irq_t message;
    message.u.v = value;
    const auto event = message.u.twi;
    const uint64_t now = board->nanoseconds();
    if (event.msg & TWI_COND_STOP) {
        chip->stop(now);
    } else if (event.msg & TWI_COND_START) {
        chip->setPins(board->selectLevels());
        if (chip->start(event.addr, now)) {
            avr_raise_irq(board->busIn_, avr_twi_irq_msg(TWI_COND_ACK, event.addr, 1));
        }
    } else if (event.msg & TWI_COND_WRITE) {
        if (chip->write(event.data)) {
            avr_raise_irq(board->busIn_, avr_twi_irq_msg(TWI_COND_ACK, event.addr, 1));
        }
    } else if (event.msg & TWI_COND_READ) {
        avr_raise_irq(board->busIn_, avr_twi_irq_msg(TWI_COND_READ, event.addr, chip->read()));
    }
}

// simavr 1.6 leaves TWINT set when the firmware writes 1 to it, so a polling loop would read the
// old status at once; the hardware clears it.
void AvrBoard::afterTwcrWrite(avr_t* avr, uint16_t, uint8_t value, void*) {
    if (value & Twint) avr->data[Twcr] &= static_cast<uint8_t>(~Twint);
}
