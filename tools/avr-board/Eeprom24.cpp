#include "Eeprom24.h"

#include <algorithm>

const std::vector<Eeprom24::Part>& Eeprom24::parts() {
    static const std::vector<Part> table = {
        {"24C01", 128, 8, 0x00, 128, false},           {"24C02", 256, 8, 0x00, 256, false},
        {"24C04", 512, 16, 0x02, 512, false},          {"24C08", 1024, 16, 0x06, 1024, false},
        {"24C16", 2048, 16, 0x0E, 2048, false},        {"24C32", 4096, 32, 0x00, 4096, false},
        {"24C64", 8192, 32, 0x00, 8192, false},        {"24C128", 16384, 64, 0x00, 16384, false},
        {"24C256", 32768, 64, 0x00, 32768, false},     {"24C512", 65536, 128, 0x00, 65536, false},
        {"24C1024", 131072, 256, 0x02, 131072, false}, {"24C1025", 131072, 128, 0x08, 65536, true},
    };
    return table;
}

const Eeprom24::Part* Eeprom24::find(std::string_view name) {
    const auto& table = parts();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const Part& part) { return part.name == name; });
    return found == table.end() ? nullptr : &*found;
}

Eeprom24::Eeprom24(const Part& part)
    : part_(part), memory_(part.size, 0xFF), pending_(part.pageSize, -1) {}

// The device code 1010 and, on every bit 1..3 that is no block bit, the level of its pin.
bool Eeprom24::selects(uint8_t address) const {
    if ((address & 0xF0) != 0xA0) return false;
    if (part_.needsA2High && !(pins_ & 0x04)) return false;
    for (int pin = 0; pin < 3; ++pin) {
        const uint8_t bit = static_cast<uint8_t>(0x02 << pin);
        if (part_.blockBits & bit) continue;
        if (((address & bit) != 0) != ((pins_ >> pin & 1) != 0)) return false;
    }
    return true;
}

// The address bits the control byte's block bits carry, above those of the address bytes.
uint32_t Eeprom24::blockAddress(uint8_t address) const {
    uint32_t high = 0;
    int next = 8 * addressBytes();
    for (uint8_t bit = 0x02; bit <= 0x08; bit <<= 1) {
        if (!(part_.blockBits & bit)) continue;
        if (address & bit) high |= 1u << next;
        ++next;
    }
    return high;
}

bool Eeprom24::start(uint8_t address, uint64_t nowNs) {
    std::fill(pending_.begin(), pending_.end(), -1);  // a START without STOP writes nothing
    phase_ = Phase::Idle;
    if (busy(nowNs) || !selects(address)) return false;
    if (address & 1) {
        phase_ = Phase::Reading;
    } else {
        phase_ = Phase::Address;
        addressBytesSeen_ = 0;
        newAddress_ = blockAddress(address);
    }
    return true;
}

bool Eeprom24::write(uint8_t byte) {
    if (phase_ == Phase::Address) {
        const int shift = 8 * (addressBytes() - 1 - addressBytesSeen_);
        newAddress_ |= uint32_t(byte) << shift;
        if (++addressBytesSeen_ == addressBytes()) {
            counter_ = newAddress_ % part_.size;
            phase_ = Phase::Data;
            pageBase_ = counter_ - counter_ % part_.pageSize;
        }
        return true;
    }
    if (phase_ != Phase::Data) return false;
    const uint32_t offset = counter_ - pageBase_;
    pending_[offset] = byte;
    counter_ = pageBase_ + (offset + 1) % part_.pageSize;
    return true;
}

uint8_t Eeprom24::read() {
    if (phase_ != Phase::Reading) return 0xFF;
    const uint8_t byte = memory_[counter_];
    const uint32_t spanBase = counter_ - counter_ % part_.readSpan;
    counter_ = spanBase + (counter_ - spanBase + 1) % part_.readSpan;
    return byte;
}

void Eeprom24::stop(uint64_t nowNs) {
    bool written = false;
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        if (pending_[i] < 0) continue;
        memory_[pageBase_ + i] = static_cast<uint8_t>(pending_[i]);
        pending_[i] = -1;
        written = true;
    }
    if (written) busyUntil_ = nowNs + WriteCycleNs;
    phase_ = Phase::Idle;
}
