#include "WriterBoard.h"

namespace {

constexpr uint8_t EndMarker = 0xAC;

uint8_t xorOf(const std::vector<uint8_t>& bytes, std::size_t from, std::size_t to) {
    uint8_t check = 0;
    for (std::size_t i = from; i < to; ++i) check ^= bytes[i];
    return check;
}

bool isBlockRequest(uint8_t code) {
    return code == 0xA0 || code == 0xA1 || code == 0xA3 || code == 0xA4;
}

}  // namespace

int WriterBoard::frameLength(uint8_t code) {
    if (code >= 0xA0 && code <= 0xA5) return 4;
    if (code == 0xA6 || code == 0xA7) return 259;
    if (code == 0xA8) return 4;
    if (code == 0xA9) return 15;
    return 0;
}

std::vector<uint8_t> WriterBoard::receive(std::span<const uint8_t> bytes) {
    std::vector<uint8_t> out;
    for (const uint8_t b : bytes) {
        if (frame_.empty()) {
            expected_ = frameLength(b);
            if (expected_ == 0) continue;  // not the start of a frame: resynchronise
        }
        frame_.push_back(b);
        if (static_cast<int>(frame_.size()) < expected_) continue;
        const std::size_t end = frame_.size() - 2;
        if (frame_[end] != EndMarker || xorOf(frame_, 1, end + 1) != frame_.back()) {
            ++rejected_;
        } else {
            answer(out);
        }
        frame_.clear();
    }
    return out;
}

void WriterBoard::answer(std::vector<uint8_t>& out) {
    const bool silent =
        faults_.silent || (faults_.silentAfter >= 0 && accepted_ >= faults_.silentAfter);
    const uint8_t code = frame_[0];
    std::vector<uint8_t> reply;
    if (code == 0xA9) {
        startAddress_ = uint32_t(frame_[5]) << 16 | uint32_t(frame_[6]) << 8 | frame_[7];
        pageSize_ = static_cast<uint16_t>(frame_[8] << 8 | frame_[9]);
        deviceSize_ = uint32_t(frame_[10]) << 16 | uint32_t(frame_[11]) << 8 | frame_[12];
        address_ = startAddress_ % MemorySize;
        reply = frame_;
        if (faults_.corruptConfig) reply[5] ^= 0x01;
    } else if (code == 0xA6 || code == 0xA7) {
        for (uint32_t i = 0; i < 256; ++i) at(i) = frame_[1 + i];
        address_ = (address_ + 256) % MemorySize;
        reply = frame_;
    } else if (code == 0xA8) {
        at(0) = frame_[1];
        address_ = (address_ + 1) % MemorySize;
        reply = frame_;
    } else {
        const uint32_t count = isBlockRequest(code) ? 256 : 1;
        reply.push_back(code);
        for (uint32_t i = 0; i < count; ++i) {
            const bool flipped = (address_ + i) % MemorySize == uint32_t(faults_.flipAddress);
            reply.push_back(flipped ? at(i) ^ 0x01 : at(i));
        }
        reply.push_back(EndMarker);
        reply.push_back(xorOf(reply, 1, reply.size()));
        if (faults_.badCheck) reply.back() ^= 0x01;
        address_ = (address_ + count) % MemorySize;
    }
    ++accepted_;
    if (!silent) out.insert(out.end(), reply.begin(), reply.end());
}
