#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "DataImage.h"
#include "ImageHistory.h"

// A file operation announced by the first press of a file button, waiting for 開始 or 取消.
// StartupLoad is the load start-up announces by turning only the left button to 開始: the right
// button keeps 保存 and still announces a save.
enum class ArmedFile : uint8_t { None, Load, Save, StartupLoad };

// The one program-wide record, created in main() and shared by every window. Plain public fields
// under the names the rest of the program uses; arrays that an untrusted index may reach are read
// with at(), so a bad index becomes an index error of the procedure in progress.
struct ProgramState {
    // Folders and file handling. Folders end in the platform's separator.
    QString AppFolder;
    QString DataFolder;
    QString SettingsFolder;
    QString CodeFolder;
    int16_t FileNumber = 0;

    // Error reporting
    QString CurrentStep;
    QString ErrorAnswer;  // "4" Retry, "2" Cancel, "1" OK

    // Memory image and edit marks (index 0x20000 exists but is never used)
    DataImage Image;
    std::vector<bool> EditMarks = std::vector<bool>(DataImage::Size + 1, false);
    // Every change to the image and its marks is one step here (see ImageEdit).
    ImageHistory History;

    // Position of the view
    int32_t CurrentBlock = 0;
    int16_t CurrentCell = 0;
    int32_t CurrentAddress = 0;
    int32_t BlockCount = 0;

    // Selected device
    int16_t DeviceCount = 0;
    int16_t DeviceIndex = 0;
    QString DeviceName;
    int32_t DeviceCapacity = 0;
    std::array<uint8_t, 2> PageSizeBytes{};
    std::array<uint8_t, 3> CapacityBytes{};
    std::array<uint8_t, 6> DeviceParams{};
    std::array<uint8_t, 4> ControlBytes{};
    QString WriterCpu;
    QString CustomCodeName;

    // Persisted options and tables
    std::array<int16_t, 20> FlagTable{};
    std::array<QString, 256> CodeTable{};
    std::array<int32_t, 21> ColorTable{};
    std::array<QString, 3> CommSettings{};

    // The program's own flags
    bool SetupDone = false;
    bool ConfigEditorReady = false;
    bool AllDataArmed = false;
    bool MultiLayout = false;  // the edit frame takes a whole block instead of one grid row
    ArmedFile ArmedFileOperation = ArmedFile::None;
    bool OperationRunning = false;

    // Writer link bookkeeping
    uint8_t OperationCode = 0;
    int32_t TransferAddress = 0;
    int32_t TransferBlock = 0;
    uint8_t SavedTransferUnit = 0;
    uint8_t ConfigSentFlag = 0;
    int16_t ReceiveCount = 0;
    std::array<uint8_t, 259> BlockFrame{};
    std::array<uint8_t, 4> ByteFrame{};
    std::array<uint8_t, 4> RequestFrame{};
    std::array<uint8_t, 15> ConfigFrame{};
    std::array<uint8_t, 259> ReceiveBuffer{};

    // File reader bookkeeping
    QString FileTypeName;
    int32_t HexAddressOffset = 0;
    QString HexErrorText;
    bool EndRecordSeen = false;
    int32_t FileByteCount = 0;
};

// FlagTable entries with a meaning of their own; the others are carried unchanged.
namespace Flag {
constexpr int DisplayMode = 1;
constexpr int TransferUnit = 2;
constexpr int CautionAllData = 3;
constexpr int CautionComm = 4;
constexpr int CursorStyle = 5;
}  // namespace Flag

// ColorTable entries: the even entry of a pair is the active colour, the odd one the normal colour.
namespace Colour {
constexpr int CellSelected = 0;
constexpr int CellNormal = 1;
constexpr int CursorActive = 2;
constexpr int CursorNormal = 3;
constexpr int DataMarked = 4;
constexpr int DataNormal = 5;
constexpr int AddressActive = 6;
constexpr int AddressNormal = 7;
constexpr int EntryTextFocused = 8;
constexpr int EntryTextNormal = 9;
constexpr int EntryBackFocused = 10;
constexpr int EntryBackNormal = 11;
constexpr int CaptionSelected = 12;
constexpr int CaptionNormal = 13;
}  // namespace Colour
