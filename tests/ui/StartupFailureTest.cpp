// Start-up on broken settings: every case brings up the failure report under the right step,
// Retry meets the same failure again, and Cancel leaves a usable window that has not finished
// start-up.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "HexText.h"
#include "ProgramFolder.h"

namespace {

struct BrokenSetting {
    const char* name;
    std::function<void(const ProgramFolder&)> breakIt;
    const char* step;         // the step the report names
    const char* description;  // the start of the error's description
};

void truncate(const ProgramFolder& folder, const QString& file, int lines) {
    folder.writeSetting(file, folder.settingLines(file).mid(0, lines));
}

const char* const kNotFound = "ファイルが見つかりません";
const char* const kPastEnd = "ファイルの終わりを越えて";
const char* const kMismatch = "型が一致しません";
const char* const kOverflow = "オーバーフロー";
const char* const kIndex = "インデックスが有効範囲にありません";
const char* const kInvalid = "プロパティの値が不正です";

const BrokenSetting kCases[] = {
    {"FlagMissing", [](auto& f) { f.removeSetting("flag.txt"); }, "flag.txtのオープン", kNotFound},
    {"FlagNotANumber", [](auto& f) { f.replaceSettingLine("flag.txt", 3, "on"); },
     "flag.txtのオープン", kMismatch},
    {"FlagOverflow", [](auto& f) { f.replaceSettingLine("flag.txt", 0, "40000"); },
     "flag.txtのオープン", kOverflow},
    {"FlagEmptyLine", [](auto& f) { f.replaceSettingLine("flag.txt", 6, ""); },
     "flag.txtのオープン", kMismatch},
    {"FlagTwentyOneLines",
     [](auto& f) { f.writeSetting("flag.txt", f.settingLines("flag.txt") << "0"); },
     "flag.txtのオープン", kIndex},
    {"CustomMissing", [](auto& f) { f.removeSetting("custom.txt"); }, "custom.txtのオープン",
     kNotFound},
    {"CustomOddLength",
     [](auto& f) {
         f.writeSetting("custom.txt", {"ASCII", "8", "カナ"});
     },
     "custom.txtのオープン", kPastEnd},
    {"CustomIndexNotANumber",
     [](auto& f) {
         f.writeSetting("custom.txt", {"ASCII", "eight"});
     },
     "custom.txtのオープン", kMismatch},
    {"CodeMissing", [](auto& f) { f.removeSetting("code.txt"); }, "code.txtのオープン", kNotFound},
    {"CodeShort", [](auto& f) { truncate(f, "code.txt", 255); }, "code.txtのオープン", kPastEnd},
    {"CommMissing", [](auto& f) { f.removeSetting("comm.txt"); }, "comm.txtのオープン", kNotFound},
    {"CommOneLine", [](auto& f) { truncate(f, "comm.txt", 1); }, "comm.txtのオープン", kPastEnd},
    {"ColorMissing", [](auto& f) { f.removeSetting("color.txt"); }, "color.txtのオープン",
     kNotFound},
    {"ColorShort", [](auto& f) { truncate(f, "color.txt", 19); }, "color.txtのオープン", kPastEnd},
    {"ColorNotANumber", [](auto& f) { f.replaceSettingLine("color.txt", 4, "red"); },
     "color.txtのオープン", kMismatch},
    {"ColorOverflow", [](auto& f) { f.replaceSettingLine("color.txt", 4, "4294967295"); },
     "color.txtのオープン", kOverflow},
    {"CpuMissing", [](auto& f) { f.removeSetting("cpu.txt"); }, "cpu.txtのオープン", kNotFound},
    {"CpuEmpty", [](auto& f) { f.writeSetting("cpu.txt", {}); }, "cpu.txtのオープン", kPastEnd},
    {"DeviceMissing", [](auto& f) { f.removeSetting("device.txt"); }, "device.txtのオープン",
     kNotFound},
    // Steps without a text of their own report under the text set last.
    {"DeviceIndexBeyondTheList",
     [](auto& f) {
         f.writeSetting("custom.txt", {"ASCII", "99"});
     },
     "device.txtのオープン", kInvalid},
    {"DisplayModeOutOfTheOptions", [](auto& f) { f.replaceSettingLine("flag.txt", 1, "2"); },
     "custom.txtの書き込み処理", kIndex},
    {"TransferUnitOutOfTheOptions", [](auto& f) { f.replaceSettingLine("flag.txt", 2, "5"); },
     "custom.txtの書き込み処理", kIndex},
    {"WarningBoxStateOutOfRange", [](auto& f) { f.replaceSettingLine("flag.txt", 4, "5"); },
     "custom.txtの書き込み処理", kInvalid},
    // What is not an ordinary file, or is far too large, is refused by name before it is read.
    {"ColorIsAFifo",
     [](auto& f) {
         f.removeSetting("color.txt");
         makeFifo(f.path(settingPath("color.txt")));
     },
     "color.txtのオープン", "通常のファイルではありません"},
    {"DeviceFileHuge",
     [](auto& f) { makeSparseFile(f.path(settingPath("device.txt")), 64 * 1024 * 1024); },
     "device.txtのオープン", "ファイルが大きすぎます"},
    // comm.txt keeps text; a bad number shows when the port is configured.
    {"PortNumberOfAMegabyte",
     [](auto& f) { f.replaceSettingLine("comm.txt", 0, QString(1'000'000, u'7') + u'x'); },
     "通信ポートのオープン", kMismatch},
    {"PortNumberNotANumber", [](auto& f) { f.replaceSettingLine("comm.txt", 0, "COM3"); },
     "通信ポートのオープン", kMismatch},
    {"LineSpeedNotANumber", [](auto& f) { f.replaceSettingLine("comm.txt", 1, ""); },
     "通信ポートのオープン", kMismatch},
};

class StartupFailure : public ::testing::TestWithParam<BrokenSetting> {};

void PrintTo(const BrokenSetting& c, std::ostream* out) { *out << c.name; }

}  // namespace

TEST_P(StartupFailure, ReportsTheStepRetriesItAndCancelLeavesAUsableWindow) {
    const BrokenSetting& c = GetParam();
    ProgramFolder folder;
    c.breakIt(folder);
    MainWindowFixture fx(folder);
    fx.dialogs.answers = {Answer::Retry, Answer::Cancel};
    fx.start();

    ASSERT_EQ(fx.dialogs.shown.size(), 2) << fx.dialogs.shown.value(0).text.toStdString();
    const auto& report = fx.dialogs.shown[0];
    const QString expectedStart = QString::fromUtf8(c.step) + QStringLiteral("に失敗しました\r\n") +
                                  QString::fromUtf8(c.description);
    EXPECT_TRUE(report.text.startsWith(expectedStart))
        << report.text.toStdString() << "\nexpected start: " << expectedStart.toStdString();
    EXPECT_LT(report.text.size(), 400);  // a message quotes only the head of what it refuses
    EXPECT_EQ(report.title, QStringLiteral("subSetup"));
    EXPECT_TRUE(report.retryCancel);
    EXPECT_EQ(fx.dialogs.shown[1].text, report.text);  // Retry met the same failure
    EXPECT_EQ(fx.state->ErrorAnswer, QStringLiteral("2"));
    EXPECT_FALSE(fx.state->SetupDone);

    // The window still works: the message line clears on a click, the device list stays idle.
    auto* message = fx.control<QLabel>("lblMessage");
    message->setText(QStringLiteral("x"));
    QTest::mouseClick(message, Qt::LeftButton);
    EXPECT_TRUE(message->text().isEmpty());
    const int16_t deviceIndex = fx.state->DeviceIndex;
    const QStringList custom = folder.settingLines("custom.txt");
    auto* devices = fx.control<QComboBox>("cmbDevice");
    if (devices->count() > 1) devices->setCurrentIndex(devices->currentIndex() == 0 ? 1 : 0);
    EXPECT_EQ(fx.state->DeviceIndex, deviceIndex);
    EXPECT_EQ(folder.settingLines("custom.txt"), custom);
}

INSTANTIATE_TEST_SUITE_P(BrokenSettings, StartupFailure, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartupFailureRecovery, RetrySucceedsOnceTheFileIsBack) {
    ProgramFolder folder;
    const QStringList colours = folder.settingLines("color.txt");
    folder.removeSetting("color.txt");
    MainWindowFixture fx(folder);
    // The user puts the file back while the report is up.
    fx.dialogs.answers = {Answer::Retry};
    fx.dialogs.whileAsking = [&] { folder.writeSetting("color.txt", colours); };
    fx.start();
    EXPECT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_TRUE(fx.state->SetupDone);
    EXPECT_EQ(fx.state->ColorTable[0], colours[0].toInt());
}

TEST(StartupFailureRecovery, CancelKeepsTheFileNameReadBeforeTheFailingLine) {
    ProgramFolder folder;
    folder.writeSetting("flag.txt", folder.settingLines("flag.txt") << "0");
    MainWindowFixture fx(folder);
    fx.start();  // Cancel
    EXPECT_EQ(fx.control<QLineEdit>("txtFileName")->text(), QStringLiteral("sample.txt"));
}

TEST(StartupFailureRecovery, FaultyDeviceRecordIsReportedByTheSelectionAndStartupGoesOn) {
    ProgramFolder folder;
    folder.replaceSettingLine("device.txt", SampleDevice::k24C256 * 9 + 3,
                              "300");  // the remembered device's A0
    MainWindowFixture fx(folder);
    fx.start();
    ASSERT_TRUE(
        fx.showedOnly(QStringLiteral("subDeviceSelect"),
                      QStringLiteral("device.txtのオープンに失敗しました\r\nオーバーフロー")));
    EXPECT_TRUE(fx.state->SetupDone);
}

// A faulty record of the 24C02 met by a selection made in the list: the selection stops at the
// failing line or value, and what it set before stays.
TEST(DeviceSelectionFailure, KeepsTheLabelsAndValuesSetBeforeTheFailure) {
    struct Row {
        int line;  // in the record
        const char* value;
        const char* sizeLabel;
        const char* levelLabel;
        int32_t blockCount;
    };
    const Row rows[] = {
        {4, "300", "Size=256byt Page=8byt", "A0=L", 128},  // A1 does not fit a byte
        {1, "16777216", "Size=16777216byt Page=8byt", "A0=L A1=L A2=L", 65536},  // nor the board
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        ProgramFolder folder;
        folder.replaceSettingLine("device.txt", SampleDevice::k24C02 * 9 + row.line, row.value);
        MainWindowFixture fx(folder);
        fx.start();
        const auto capacityBytes = fx.state->CapacityBytes;
        fx.selectDevice(SampleDevice::k24C02);

        ASSERT_TRUE(
            fx.showedOnly(QStringLiteral("subDeviceSelect"),
                          QStringLiteral("device.txtのオープンに失敗しました\r\nオーバーフロー")));
        EXPECT_EQ(fx.control<QLabel>("lblDevice(0)")->text(), QString::fromUtf8(row.sizeLabel));
        EXPECT_EQ(fx.control<QLabel>("lblDevice(1)")->text(), QString::fromUtf8(row.levelLabel));
        EXPECT_EQ(fx.state->BlockCount, row.blockCount);
        EXPECT_EQ(fx.state->CapacityBytes, capacityBytes);
    }
}

// Start-up draws the grid once, at its end; one that ends early still shows the file it loaded,
// as the display mode on screen shows it.
TEST(StartupFailureRecovery, CancelAfterTheLoadShowsTheLoadedFileInTheGrid) {
    ProgramFolder folder;
    folder.removeSetting("color.txt");
    MainWindowFixture fx(folder);
    fx.start();  // Cancel
    ASSERT_FALSE(fx.state->SetupDone);
    const bool hex = fx.control<QRadioButton>("optEdit(0)")->isChecked();
    for (int i = 0; i < 256; ++i) {
        const QString cell = fx.state->Image.at(i);
        ASSERT_FALSE(cell.isEmpty());
        const int byte = cellByte(cell);
        EXPECT_EQ(fx.control<QLineEdit>(QStringLiteral("txtData(%1)").arg(i))->text(),
                  hex || byte < 0 ? cell : fx.state->CodeTable[byte])
            << i;
    }
}
