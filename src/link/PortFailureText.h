#pragma once

#include <QString>

#include "SerialPort.h"

// The detailed text of the box that says a port did not open: which device port n led to, the
// system's reason, and what the user can do about it. Shown at start-up and when a reopen fails.
QString portOpenFailureDetail(const SerialPort::OpenFailure& failure);
