// What the user types: the data entry box keystroke by keystroke and its transfer, the
// hexadecimal address and number boxes, and the device editor's configuration byte boxes. The
// first input byte picks the entry modes, the second and third the device and start address;
// the rest is UTF-8 text.

#include <QString>
#include <QStringList>
#include <vector>

#include "AddressText.h"
#include "DataImage.h"
#include "FuzzInput.h"
#include "DeviceEditor.h"
#include "EntryBox.h"
#include "EntryData.h"
#include "HexText.h"
#include "SingleByteTable.h"

namespace {

void typeIntoEntryBox(const QString& text, bool hexEntry, bool directMode, bool multiLayout,
                      const CodeTable& table) {
    const int limit = entryLimit(multiLayout, hexEntry);
    QString box;
    for (const QChar c : text) {
        if (box.size() >= limit) break;
        box.append(c);
        const EntryCheck check = checkEntry(box, hexEntry, directMode, table);
        if (check.refusal) box.chop(1);
    }
    funCodehexChange(box, table);
}

void transfer(const QString& text, bool hexEntry, int32_t capacity, int32_t start,
              const CodeTable& table) {
    const TransferData data = readTransferData(text, hexEntry, table);
    if (data.fault != TransferData::Fault::None) {
        transferFaultMessage(data);
        return;
    }
    for (const QString& byte : data.bytes) {
        if (!isHexCell(byte)) breach("a transfer byte that is not two hexadecimal digits");
    }
    DataImage image;
    std::vector<bool> marks(DataImage::Size + 1, false);
    const int32_t end = writePlainTransfer(image, marks, start, data.bytes, capacity, true);
    if (end < start || end >= capacity) breach("a transfer ended outside the device");
    fillAllData(image, start, data.bytes, capacity);
    for (int32_t address = capacity; address < DataImage::Size; ++address) {
        if (!image.isEmpty(address)) breach("a transfer wrote beyond the device");
    }
}

void readAddress(const QString& text, int32_t capacity) {
    const std::optional<int64_t> value = hexNumber(text, DataImage::Size - 1);
    if (!value) return;
    if (*value > DataImage::Size - 1) return;  // refused by the box, as over-long
    if (hexNumber(upperHex(*value), DataImage::Size) != value) breach("an address reads back different");
    const auto address = static_cast<int32_t>(*value);
    funDHChange(address, AddressForm::Full, capacity, address / 256);
    funDHChange(address, AddressForm::Row, capacity, address / 256);
}

void editConfigurationBytes(const QStringList& lines) {
    std::array<QString, 4> boxes;
    for (int k = 0; k < 4 && k < lines.size(); ++k) boxes[static_cast<std::size_t>(k)] = lines[k];
    const ConfigPreview preview = ConfigPreview::fromTexts(boxes);
    if (ConfigPreview::fromTexts(preview.texts()) != preview)
        breach("configuration bytes read back different");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const CodeTable& table = singleByteTable();
    const bool hexEntry = data[0] & 1;
    const bool directMode = data[0] & 2;
    const bool multiLayout = data[0] & 4;
    const int32_t capacity = 128 << (data[1] % 11);  // 24C01 to 24C1024
    const int32_t start = (data[2] * 521) % capacity;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 3),
                                           static_cast<qsizetype>(size - 3));

    typeIntoEntryBox(text, hexEntry, directMode, multiLayout, table);
    transfer(text, hexEntry, capacity, start, table);
    readAddress(text, capacity);
    editConfigurationBytes(text.split(u'\n'));
    return 0;
}
