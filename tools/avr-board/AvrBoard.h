#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "Eeprom24.h"

struct avr_t;
struct avr_irq_t;

// The firmware running in simavr on an ATmega328P at 16 MHz: USART0 is the serial line, the TWI
// bus leads to the chip in the socket (none for an empty one), PD2..PD4 drive its A0..A2.
class AvrBoard {
public:
    static constexpr uint32_t Frequency = 16'000'000;

    // Loads the firmware; on failure `error` says why and the board does not run.
    AvrBoard(const std::string& firmware, const Eeprom24::Part* part, std::string& error);
    ~AvrBoard();
    AvrBoard(const AvrBoard&) = delete;
    AvrBoard& operator=(const AvrBoard&) = delete;

    // Runs the firmware for about `cycles` clock cycles; false once it has crashed or stopped.
    bool run(uint64_t cycles);
    uint64_t nanoseconds() const;

    // Bytes for the firmware's receiver, handed on as fast as its receiver takes them.
    void receive(const uint8_t* bytes, std::size_t count);
    bool receiving() const { return !input_.empty(); }
    // What the firmware has sent since the last call.
    std::vector<uint8_t> takeSent();

    Eeprom24* chip() { return chip_.get(); }

private:
    static void onSent(avr_irq_t*, uint32_t value, void* self);
    static void onReceiverReady(avr_irq_t*, uint32_t value, void* self);
    static void onReceiverFull(avr_irq_t*, uint32_t value, void* self);
    static void onBus(avr_irq_t*, uint32_t value, void* self);
    static void afterTwcrWrite(avr_t* avr, uint16_t address, uint8_t value, void* self);
    void feed();
    uint8_t selectLevels() const;

    avr_t* avr_ = nullptr;
    std::unique_ptr<Eeprom24> chip_;
    avr_irq_t* uartIn_ = nullptr;
    avr_irq_t* busIn_ = nullptr;
    bool receiverReady_ = false;
    std::deque<uint8_t> input_;
    std::vector<uint8_t> sent_;
};
