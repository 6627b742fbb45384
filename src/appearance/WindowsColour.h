#pragma once

#include <cstdint>

// Colours are kept as Windows colour values: 0x00BBGGRR, or, with the top bit set, the index of
// a system colour in the low byte (0x80000012 is the colour of button text).
namespace WindowsColour {

// The system colours the program can meet, by their Windows index.
enum class SystemColour : uint8_t {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

// The system colour of button text, which the message line takes when an operation is cancelled.
constexpr uint32_t kButtonText = 0x80000000u | static_cast<uint8_t>(SystemColour::ButtonText);

constexpr bool isSystemColour(uint32_t value) { return (value & 0x80000000u) != 0; }
constexpr uint8_t systemIndex(uint32_t value) { return static_cast<uint8_t>(value & 0xFFu); }
constexpr uint8_t red(uint32_t value) { return static_cast<uint8_t>(value & 0xFFu); }
constexpr uint8_t green(uint32_t value) { return static_cast<uint8_t>((value >> 8) & 0xFFu); }
constexpr uint8_t blue(uint32_t value) { return static_cast<uint8_t>((value >> 16) & 0xFFu); }

}  // namespace WindowsColour

// Text colours of the message line: results and information, prompts of the two-press buttons,
// warnings and failures.
namespace MessageColour {
constexpr int32_t Information = 0xFF3300;
constexpr int32_t Prompt = 0xFF0000;
constexpr int32_t Failure = 255;
}  // namespace MessageColour
