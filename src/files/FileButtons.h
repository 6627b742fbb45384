#pragma once

#include <QString>
#include <array>

#include "ProgramState.h"

// The two file buttons confirm in two presses: the first announces a load (left) or a save
// (right), the second starts it with the button that now reads 開始 or withdraws it with the one
// that reads 取消.

enum class FileButtonAction { Announce, Start, Withdraw };

FileButtonAction fileButtonAction(ArmedFile armed, int index);

// Captions of the left and the right button while `armed` waits.
std::array<QString, 2> fileButtonCaptions(ArmedFile armed);

// The message line's prompt while `armed` waits.
QString fileButtonPrompt(ArmedFile armed);
