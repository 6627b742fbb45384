#pragma once

#include "EntryData.h"

// The single-byte characters of CP932, as the code file maps them: ASCII and half-width kana.
const CodeTable& singleByteTable();
