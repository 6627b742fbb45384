#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The device's chip-select pins as the writer board drives them, and where the three address bits
// of the control byte take their values from. Both the main window's device selection and the
// device editor's preview derive the configuration bytes from these.

// A control-byte bit (1 to 3) takes its value from pin A0, A1 or A2 (0 to 2, the pin's level), or
// from B0 or P0: the half of the memory, low in the first control byte and high in the second.
constexpr int kSourceB0 = 3;
constexpr int kSourceP0 = 4;
inline constexpr std::array<const char*, 5> kSourceNames = {"A0", "A1", "A2", "B0", "P0"};

inline bool isPinSource(int source) { return source >= 0 && source <= 2; }
inline bool isHalfSource(int source) { return source == kSourceB0 || source == kSourceP0; }

// Where a writer controller puts the pins: port A's base value, the port A bit each high pin adds
// (0 where the pin is on port B), and the port B bit of a high A2.
struct ControllerPins {
    const char* cpu;
    uint8_t portA;
    std::array<uint8_t, 3> portABit;
    uint8_t portBBitA2;
};

// The pins of the controller named `cpu`; null for a controller the board does not know.
const ControllerPins* controllerPins(const QString& cpu);
