#pragma once

#include <QByteArrayView>
#include <cstdint>

// The CRC-32 of zip, PNG and Ethernet (reflected polynomial 0xEDB88320), so a figure can be
// compared with any other tool's.
uint32_t crc32(QByteArrayView bytes);
