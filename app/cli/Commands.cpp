#include "Commands.h"

#include <QCoreApplication>
#include <QDir>
#include <chrono>
#include <memory>
#include <thread>

#include "BoardSession.h"
#include "CliFailure.h"
#include "CliOptions.h"
#include "Console.h"
#include "Crc32.h"
#include "DeviceCatalogue.h"
#include "DeviceSelection.h"
#include "HexText.h"
#include "ImageFiles.h"
#include "LinkFrames.h"
#include "Numbers.h"
#include "ProgramError.h"
#include "ProgramLocation.h"
#include "ProgramState.h"
#include "ProgramVersion.h"
#include "Progress.h"
#include "QtSerialPort.h"
#include "SettingsFiles.h"

using namespace LinkFrames;

namespace {

constexpr int kShownDifferences = 20;

// The folder holding 設定/ and データー/: --folder, else the window's own rule, so both faces
// share one set of settings.
QString programFolder(const CliOptions& options) {
    if (!options.folder.isEmpty()) return QDir(options.folder).absolutePath() + u'/';
    return locateProgramFolder().folder;
}

QString settingsFolder(const CliOptions& options) {
    return programFolder(options) + QStringLiteral("設定/");
}

// Runs a step of the shared settings readers; their failures are file failures here.
template <typename Step>
auto settingsStep(Step step) {
    try {
        return step();
    } catch (const ProgramError& error) {
        throw CliFailure{ExitCode::File, error.description()};
    } catch (const std::out_of_range&) {
        throw CliFailure{ExitCode::File, ProgramError::indexOutOfRange().description()};
    }
}

// The device chosen by name, its parameters derived exactly as the window's selection does.
// The window's remembered device (custom.txt) is left alone.
void selectDevice(ProgramState& state, const CliOptions& options) {
    state.SettingsFolder = settingsFolder(options);
    const QString catalogue = state.SettingsFolder + QStringLiteral("device.txt");
    const DeviceListing listing = settingsStep([&] { return scanDeviceFile(catalogue); });
    const qsizetype index = listing.names.indexOf(options.device);
    if (index < 0) {
        throw CliFailure{ExitCode::Usage, QStringLiteral("no device \"") + options.device +
                                              QStringLiteral("\" in ") + catalogue +
                                              QStringLiteral(" (see: tavelin-cli devices)")};
    }
    settingsStep([&] {
        readCpuFile(state, state.SettingsFolder + QStringLiteral("cpu.txt"));
        state.DeviceIndex = static_cast<int16_t>(index);
        state.DeviceCount = listing.completeRecords;
        DeviceLabels labels;
        applyDeviceRecord(state, catalogue, state.DeviceIndex, labels);
        state.BlockCount = blockCountFor(state.DeviceCapacity);
        blockBarMaximumFor(state.BlockCount);  // refuses a device too large to count its blocks
        deriveDeviceParameters(state);
    });
}

TransferRange rangeOf(const CliOptions& options, const ProgramState& state) {
    if (options.block) {
        if (*options.block >= state.BlockCount) {
            throw CliFailure{ExitCode::Usage, QStringLiteral("--block %1: %2 has blocks 0 to %3")
                                                  .arg(*options.block)
                                                  .arg(state.DeviceName)
                                                  .arg(state.BlockCount - 1)};
        }
        return {Unit::Block, *options.block, *options.block * BlockSize};
    }
    if (options.byte) {
        if (*options.byte >= state.DeviceCapacity) {
            throw CliFailure{ExitCode::Usage, QStringLiteral("--byte %1: %2 has %3 bytes")
                                                  .arg(*options.byte, 0, 16)
                                                  .arg(state.DeviceName)
                                                  .arg(state.DeviceCapacity)};
        }
        return {Unit::OneByte, *options.byte / BlockSize, *options.byte};
    }
    return {Unit::WholeMemory, 0, 0};
}

// The addresses a range covers: [first, end).
std::pair<int32_t, int32_t> addressesOf(const TransferRange& range, const ProgramState& state) {
    if (range.unit == Unit::OneByte) return {range.address, range.address + 1};
    if (range.unit == Unit::Block) return {range.address, range.address + BlockSize};
    return {0, state.BlockCount * BlockSize};
}

// Opens the port given, or the one of comm.txt, exclusively: a second process on the same port
// fails here instead of mixing its frames into another transfer.
void openPort(QtSerialPort& port, const CliOptions& options, ProgramState& state) {
    if (options.port.isEmpty() || !options.baud) {
        settingsStep(
            [&] { readCommFile(state, state.SettingsFolder + QStringLiteral("comm.txt")); });
    }
    const QString portText = options.port.isEmpty() ? state.CommSettings[0] : options.port;
    bool isNumber = false;
    const int32_t number = portText.trimmed().toInt(&isNumber);
    const int32_t speed = options.baud
                              ? *options.baud
                              : settingsStep([&] { return toInteger32(state.CommSettings[1]); });
    if (isNumber) {
        port.setPortNumber(number);
    } else {
        port.setDevicePath(portText);
    }
    port.setSpeed(speed);
    if (!port.open()) {
        const QString device = isNumber ? portDevicePath(state.SettingsFolder, number) : portText;
        throw CliFailure{
            ExitCode::Port,
            QCoreApplication::translate("Commands", "ポート %1 (%2) を %3 bps で開けません: %4")
                .arg(portText, device, QString::number(speed), port.errorString())};
    }
    port.resetFirst();
    port.resetSecond();
    // A board that resets when the port opens is deaf until its firmware runs; what it sends
    // meanwhile is dropped before the first frame.
    if (options.settleMs) std::this_thread::sleep_for(std::chrono::milliseconds(*options.settleMs));
}

// What the two bytes of a difference are called.
struct DifferenceLabels {
    QString expected = QCoreApplication::translate("Commands", "期待値");
    QString read = QCoreApplication::translate("Commands", "読出値");
};

// Prints the first differences and how many there are in all; the exit status for them.
int reportDifferences(const std::vector<Difference>& differences, const QString& what,
                      const DifferenceLabels& labels = {}) {
    if (differences.empty()) return ExitCode::Done;
    const int count = static_cast<int>(differences.size());
    QString text =
        QCoreApplication::translate("Commands", "%1: %n 個のアドレスが違います", nullptr, count)
            .arg(what) +
        u'\n';
    const auto shown = std::min<std::size_t>(differences.size(), kShownDifferences);
    for (std::size_t i = 0; i < shown; ++i) {
        const Difference& d = differences[i];
        text += QStringLiteral("  0x%1  %2 %3  %4 %5\n")
                    .arg(fixedHex(static_cast<uint32_t>(d.address), 5), labels.expected,
                         hexByte(d.expected), labels.read, hexByte(d.read));
    }
    if (differences.size() > shown) {
        text +=
            QStringLiteral("  ") +
            QCoreApplication::translate("Commands", "… ほか %1 個").arg(differences.size() - shown);
    }
    printMessage(text);
    return ExitCode::Mismatch;
}

QByteArray imageBytes(const DataImage& image, int32_t first, int32_t end) {
    QByteArray bytes(end - first, '\0');
    for (int32_t a = first; a < end; ++a) {
        bytes[a - first] = static_cast<char>(imageByte(image, a));
    }
    return bytes;
}

void printChecksum(const QByteArray& bytes) {
    printData(
        QStringLiteral("%1\n").arg(crc32(bytes), 8, 16, QLatin1Char('0')).toUpper().toLatin1());
}

// A board command: the device chosen and the range checked first, then the port opened and a
// session on it, once the image is in hand.
struct Board {
    explicit Board(const CliOptions& options)
        : options(options), state(std::make_unique<ProgramState>()), progress(options.progress) {
        selectDevice(*state, options);
        range = rangeOf(options, *state);
    }
    BoardSession& connect() {
        port = std::make_unique<QtSerialPort>(state->SettingsFolder);
        openPort(*port, options, *state);
        session = std::make_unique<BoardSession>(*state, *port, progress);
        return *session;
    }
    const CliOptions& options;
    std::unique_ptr<ProgramState> state;
    Progress progress;
    TransferRange range;
    std::unique_ptr<QtSerialPort> port;
    std::unique_ptr<BoardSession> session;
};

int listDevices(const CliOptions& options) {
    const QString catalogue = settingsFolder(options) + QStringLiteral("device.txt");
    const DeviceListing listing = settingsStep([&] { return scanDeviceFile(catalogue); });
    QString text;
    for (qsizetype i = 0; i < listing.names.size(); ++i) {
        ProgramState state;
        settingsStep([&] {
            readCpuFile(state, settingsFolder(options) + QStringLiteral("cpu.txt"));
            DeviceLabels labels;
            applyDeviceRecord(state, catalogue, static_cast<int16_t>(i), labels);
            deriveDeviceParameters(state);  // the control bytes
        });
        const auto& c = state.ControlBytes;
        text += QStringLiteral("%1\t%2\t%3\t%4 %5 %6 %7\n")
                    .arg(state.DeviceName)
                    .arg(state.DeviceCapacity)
                    .arg(state.PageSizeBytes[1] * 256 + state.PageSizeBytes[0])
                    .arg(hexByte(c[0]), hexByte(c[1]), hexByte(c[2]), hexByte(c[3]));
    }
    printData(text.toLocal8Bit());
    return ExitCode::Done;
}

int read(const CliOptions& options) {
    const FileFormat format = formatOf(options.output, options.format);
    // A name the system cannot hold is refused before the board is read for nothing.
    checkOutputName(options.output);
    Board board(options);
    ImageOrigin origin;
    origin.srecType =
        srecTypeFor(options.output, options.srecType, format, board.state->BlockCount * BlockSize);
    board.connect().run(Operation::Read, board.range);
    // Only what was read goes out; the rest of the image is empty and written as erased.
    // What was read exists nowhere else: the file is on the disk before the command ends.
    saveImage(options.output, format, board.state->Image, origin,
              addressesOf(board.range, *board.state).second, SaveSync::ToDisk);
    return ExitCode::Done;
}

QString verifyLabel() { return QCoreApplication::translate("Commands", "ベリファイ"); }

int verifyImage(BoardSession& session, const Board& board, const QString& what) {
    return reportDifferences(session.run(Operation::Verify, board.range), what);
}

int write(const CliOptions& options) {
    Board board(options);
    loadImage(options.input, formatOf(options.input, options.format), board.state->Image);
    if (!isWriteAvailable(board.range.unit, board.state->PageSizeBytes)) {
        throw CliFailure{ExitCode::Usage,
                         board.state->DeviceName + QStringLiteral(" has no page size: only --byte "
                                                                  "can write it")};
    }
    BoardSession& session = board.connect();
    session.run(Operation::Write, board.range);
    return options.verify ? verifyImage(session, board, verifyLabel()) : ExitCode::Done;
}

int verify(const CliOptions& options) {
    Board board(options);
    loadImage(options.input, formatOf(options.input, options.format), board.state->Image);
    return verifyImage(board.connect(), board, verifyLabel());
}

int blank(const CliOptions& options) {
    Board board(options);
    board.state->Image.fill(u"FF");
    return verifyImage(board.connect(), board,
                       QCoreApplication::translate("Commands", "ブランクではない"));
}

int checksum(const CliOptions& options) {
    if (options.input.isEmpty()) {
        Board board(options);
        board.connect().run(Operation::Read, board.range);
        const auto [first, end] = addressesOf(board.range, *board.state);
        printChecksum(imageBytes(board.state->Image, first, end));
        return ExitCode::Done;
    }
    // A file's checksum covers what a write of it would put on the device: the device's size
    // when one is named, else a binary file's own bytes, else the whole image.
    auto state = std::make_unique<ProgramState>();
    const ImageOrigin origin =
        loadImage(options.input, formatOf(options.input, options.format), state->Image);
    int32_t end = origin.binaryBytes.value_or(DataImage::Size);
    if (!options.device.isEmpty()) {
        selectDevice(*state, options);
        end = state->BlockCount * BlockSize;
    }
    printChecksum(imageBytes(state->Image, 0, end));
    return ExitCode::Done;
}

int convert(const CliOptions& options) {
    const QString& in = options.positional[0];
    const QString& out = options.positional[1];
    DataImage image;
    ImageOrigin origin = loadImage(in, formatOf(in, std::nullopt), image);
    const FileFormat format = formatOf(out, options.format);
    origin.srecType = srecTypeFor(out, options.srecType, format, extentOf(image));
    // A binary file ends where the input did: its own length, or the last byte that is not FF.
    const int32_t binaryBytes = format != FileFormat::Binary ? 0
                                : origin.binaryBytes         ? *origin.binaryBytes
                                                             : extentOf(image);
    // The input stays on the disk, so a file lost to a power cut can be made again; waiting for
    // the disk would cost more than the conversion.
    saveImage(out, format, image, origin, binaryBytes, SaveSync::CacheOnly);
    return ExitCode::Done;
}

// Both files over the device's size, or over the whole image; what a file does not cover is FF.
int diff(const CliOptions& options) {
    auto state = std::make_unique<ProgramState>();
    DataImage& a = state->Image;
    auto b = std::make_unique<DataImage>();
    const QString& pathA = options.positional[0];
    const QString& pathB = options.positional[1];
    loadImage(pathA, formatOf(pathA, options.format), a);
    loadImage(pathB, formatOf(pathB, options.format), *b);
    int32_t end = DataImage::Size;
    if (!options.device.isEmpty()) {
        selectDevice(*state, options);
        end = state->BlockCount * BlockSize;
    }
    std::vector<Difference> differences;
    for (int32_t address = 0; address < end; ++address) {
        const uint8_t byteA = imageByte(a, address);
        const uint8_t byteB = imageByte(*b, address);
        if (byteA != byteB) differences.push_back({address, byteA, byteB});
    }
    return reportDifferences(differences, QStringLiteral("diff"),
                             {QStringLiteral("A"), QStringLiteral("B")});
}

}  // namespace

int runCommand(const CliOptions& options) {
    const QString& c = options.command;
    if (c == QStringLiteral("devices")) return listDevices(options);
    if (c == QStringLiteral("read")) return read(options);
    if (c == QStringLiteral("write")) return write(options);
    if (c == QStringLiteral("verify")) return verify(options);
    if (c == QStringLiteral("blank")) return blank(options);
    if (c == QStringLiteral("checksum")) return checksum(options);
    if (c == QStringLiteral("diff")) return diff(options);
    if (c == QStringLiteral("help")) {
        printData(usageText(options.positional.value(0)).toLocal8Bit() + '\n');
        return ExitCode::Done;
    }
    if (c == QStringLiteral("version")) {
        printData(QByteArray("tavelin-cli ") + kProgramVersion + '\n');
        return ExitCode::Done;
    }
    return convert(options);
}
