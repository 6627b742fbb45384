#pragma once

#include <QString>
#include <cstdint>

// Text-to-number conversions of the settings files. Blanks around the number are allowed, as is a
// sign; anything else that is not a decimal integer is a type mismatch, and a number that does not
// fit the target type is an overflow. Both throw ProgramError.
int16_t toInteger16(const QString& text);
int32_t toInteger32(const QString& text);
uint8_t toByte(const QString& text);
