// The clipboard and find on arbitrary text. The first input byte picks the marks, the find kind
// and direction, the second the device, the third the selected cell; the rest is UTF-8, a paste
// text and a find pattern split at the first NUL. A paste changes the image from the selected
// cell on within the device, or not at all; what is copied from there pastes back the same; a
// find hits a match that lies inside the device.

#include <QByteArray>
#include <QString>
#include <memory>

#include "CellMove.h"
#include "CellRange.h"
#include "ClipboardText.h"
#include "DataImage.h"
#include "FindBytes.h"
#include "FuzzInput.h"
#include "HexBytes.h"
#include "ProgramState.h"
#include "SingleByteTable.h"

namespace {

void pasteAndCopyBack(ProgramState& state, const QString& text, bool mark) {
    const std::vector<DataImage::Cell> before = state.Image.cells(0, DataImage::Size);
    const ClipboardResult pasted = pasteText(state, text, mark);
    const std::vector<DataImage::Cell> after = state.Image.cells(0, DataImage::Size);
    const int32_t first = state.CurrentAddress;
    int32_t last = first - 1;
    for (int32_t address = 0; address < DataImage::Size; ++address) {
        const auto k = static_cast<std::size_t>(address);
        if (before[k] == after[k]) continue;
        if (pasted.refusal) breach("a refused paste changed the image");
        if (address < first || address >= deviceEnd(state.DeviceCapacity))
            breach("a paste wrote outside the device or before the selected cell");
        last = address;
    }
    if (pasted.refusal || last < first) return;

    const ClipboardResult copied = copyCells(state, CellRange{first, last});
    if (copied.refusal) breach("pasted cells do not copy");
    const HexBytes again = readHexBytes(copied.text, copied.text.size(), QStringLiteral("copy"));
    const HexBytes original = readHexBytes(text, text.size(), QStringLiteral("paste"));
    if (again.fault || !original.bytes.startsWith(again.bytes))
        breach("a copy of pasted cells reads back different");
}

void find(const ProgramState& state, const QString& text, FindKind kind, FindDirection direction) {
    const FindPattern pattern =
        readFindPattern(text, kind, singleByteTable(), state.DeviceCapacity);
    if (pattern.refusal || pattern.bytes.isEmpty()) return;
    const std::optional<FindHit> hit = findBytes(state.Image, state.DeviceCapacity, pattern.bytes,
                                                 state.CurrentAddress, direction);
    if (hit && (hit->address < 0 ||
                hit->address + pattern.bytes.size() > deviceEnd(state.DeviceCapacity)))
        breach("a find hit beyond the device");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const auto record = std::make_unique<ProgramState>();
    ProgramState& state = *record;
    state.Image.fill(u"00");
    state.DeviceCapacity = 128 << (data[1] % 11);
    state.CurrentAddress = (data[2] * 521) % state.DeviceCapacity;
    const bool mark = data[0] & 1;
    const FindKind kind = data[0] & 2 ? FindKind::Text : FindKind::Hex;
    const FindDirection direction = data[0] & 4 ? FindDirection::Backward : FindDirection::Forward;

    const QByteArray rest(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));
    const qsizetype split = rest.indexOf('\0');
    const QString pasteText = QString::fromUtf8(split < 0 ? rest : rest.left(split));
    const QString pattern = split < 0 ? pasteText : QString::fromUtf8(rest.mid(split + 1));

    pasteAndCopyBack(state, pasteText, mark);
    find(state, pattern, kind, direction);
    return 0;
}
