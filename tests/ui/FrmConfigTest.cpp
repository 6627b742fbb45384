// The device definition editor on the sample catalogue.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Colours.h"
#include "ControlNames.h"
#include "FrmConfig.h"
#include "ProgramFolder.h"

namespace {

class DeviceEditor : public ::testing::Test {
protected:
    void SetUp() override {
        fx.start();
        editor = std::make_unique<FrmConfig>(*fx.state, fx.dialogs, *fx.window);
        editor->Form_Load();
        editor->show();
    }

    template <typename T>
    T* find(const QString& name) const {
        return control<T>(*editor, name);
    }
    std::array<QString, 4> preview() const {
        std::array<QString, 4> texts;
        for (int i = 0; i < 4; ++i) {
            texts[i] = find<QLineEdit>(indexedName("txtConfigContent", i))->text();
        }
        return texts;
    }
    void save(bool append) {
        find<QRadioButton>(indexedName("optConfigSaveOption", append ? 1 : 0))->setChecked(true);
        find<QPushButton>("comConfigSave")->click();
    }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
    std::unique_ptr<FrmConfig> editor;
};

}  // namespace

TEST_F(DeviceEditor, OpensOnTheSelectedDeviceAndItsBytes) {
    EXPECT_TRUE(fx.state->ConfigEditorReady);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("コンフィング 設定"));
    EXPECT_EQ(find<QLineEdit>("txtConfigDeviceName")->text(), QStringLiteral("24C256"));
    EXPECT_EQ(find<QComboBox>("cmbConfigDeviceSize")->currentText(), QStringLiteral("32768"));
    EXPECT_EQ(find<QComboBox>("cmbConfigDevicePage")->currentText(), QStringLiteral("64"));
    EXPECT_EQ(find<QComboBox>("cmbConfigDeviceAddressing(2)")->currentIndex(), 2);
    EXPECT_EQ(find<QComboBox>("cmbConfigCPU")->currentText(), QStringLiteral("PIC18F2550"));
    // The presetting fired the lists' handlers, which changed nothing.
    EXPECT_EQ(preview(), (std::array<QString, 4>{"0xA0", "0xA0", "0x01", "0x00"}));
    editor->close();
    EXPECT_FALSE(fx.state->ConfigEditorReady);
}

TEST_F(DeviceEditor, PinAndAddressingChangesUpdateThePreview) {
    find<QComboBox>("cmbConfigPin(0)")->setCurrentIndex(1);
    EXPECT_EQ(preview(), (std::array<QString, 4>{"0xA2", "0xA2", "0x09", "0x00"}));
    find<QComboBox>("cmbConfigDeviceAddressing(2)")->setCurrentIndex(3);  // bit 3 from B0
    EXPECT_EQ(preview(), (std::array<QString, 4>{"0xA2", "0xAA", "0x09", "0x00"}));
    find<QComboBox>("cmbConfigPin(0)")->setCurrentIndex(0);
    EXPECT_EQ(preview(), (std::array<QString, 4>{"0xA0", "0xA8", "0x01", "0x00"}));
}

TEST_F(DeviceEditor, EmptyNameIsRefusedAndNothingIsWritten) {
    const QStringList catalogue = folder.settingLines("device.txt");
    find<QLineEdit>("txtConfigDeviceName")->clear();
    save(true);
    ASSERT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_EQ(fx.dialogs.shown[0].text,
              QStringLiteral("デバイス名を記述して、やり直してください。"));
    EXPECT_EQ(folder.settingLines("device.txt"), catalogue);
}

TEST_F(DeviceEditor, RecordWithAnEmptyChoiceIsRefusedSoTheCatalogueStaysReadable) {
    const QStringList catalogue = folder.settingLines("device.txt");
    find<QComboBox>("cmbConfigDeviceSize")->setCurrentIndex(-1);
    save(true);
    ASSERT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_TRUE(fx.dialogs.shown[0].text.contains(QStringLiteral("やり直してください")));
    EXPECT_EQ(folder.settingLines("device.txt"), catalogue);
}

TEST_F(DeviceEditor, AppendTwiceAddsTwoRecordsAndSelectsTheNewOne) {
    const QStringList before = folder.settingLines("device.txt");
    find<QLineEdit>("txtConfigDeviceName")->setText(QStringLiteral("試作A"));
    save(true);
    find<QLineEdit>("txtConfigDeviceName")->setText(QStringLiteral("試作B"));
    save(true);
    const QStringList after = folder.settingLines("device.txt");
    ASSERT_EQ(after.size(), before.size() + 18);
    EXPECT_EQ(after.mid(0, before.size()), before);
    EXPECT_EQ(after.mid(before.size()),
              (QStringList{"試作A", "32768", "64", "0", "0", "0", "0", "1", "2", "試作B", "32768",
                           "64", "0", "0", "0", "0", "1", "2"}));
    auto* devices = fx.control<QComboBox>("cmbDevice");
    EXPECT_EQ(devices->count(), 13);
    EXPECT_EQ(devices->currentText(), QStringLiteral("試作B"));
    EXPECT_EQ(fx.state->DeviceIndex, 12);
    EXPECT_EQ(fx.state->DeviceName, QStringLiteral("試作B"));
    EXPECT_EQ(folder.settingLines("custom.txt"), (QStringList{"ASCII", "12"}));
}

TEST_F(DeviceEditor, ReplaceRewritesTheSelectedRecordAndTheMainWindowFollows) {
    find<QLineEdit>("txtConfigDeviceName")->setText(QStringLiteral("24C256-X"));
    find<QComboBox>("cmbConfigDeviceSize")->setCurrentText(QStringLiteral("65536"));
    find<QComboBox>("cmbConfigPin(2)")->setCurrentIndex(1);
    save(false);
    const QStringList catalogue = folder.settingLines("device.txt");
    EXPECT_EQ(catalogue.size(), 99);
    EXPECT_EQ(catalogue.mid(SampleDevice::k24C256 * 9, 9),
              (QStringList{"24C256-X", "65536", "64", "0", "0", "1", "0", "1", "2"}));
    EXPECT_EQ(fx.control<QComboBox>("cmbDevice")->itemText(7), QStringLiteral("24C256-X"));
    EXPECT_EQ(fx.window->windowTitle(),
              QStringLiteral("Tavelin  Ver.2.02 【Device: 24C256-X / File: sample.txt】"));
    EXPECT_EQ(fx.control<QLabel>("lblDevice(0)")->text(),
              QStringLiteral("Size=65536byt Page=64byt"));
    EXPECT_EQ(fx.control<QLabel>("lblDevice(1)")->text(), QStringLiteral("A0=L A1=L A2=H"));
    EXPECT_EQ(fx.state->ControlBytes[0], 0xA8);
    EXPECT_TRUE(editor->isVisible());  // the editor stays open
}

TEST_F(DeviceEditor, ControllerChoiceIsSavedForTheNextStartAndAsksForARestart) {
    find<QComboBox>("cmbConfigCPU")->setCurrentIndex(3);
    find<QPushButton>("cmdCPUsave")->click();
    EXPECT_EQ(folder.settingLines("cpu.txt"),
              (QStringList{"PIC16F88", "PIC18F2550", "PIC18F14K50", "PIC16F1827", "PIC16F88"}));
    EXPECT_EQ(fx.state->WriterCpu, QStringLiteral("PIC18F2550"));
    auto* message = fx.control<QLabel>("lblMessage");
    EXPECT_EQ(message->text(), QStringLiteral("本ソフトを再起動して下さい。"));
    EXPECT_EQ(textColour(message), QColor(255, 0, 0));
    EXPECT_FALSE(editor->isVisible());

    FrmConfig reopened(*fx.state, fx.dialogs, *fx.window);
    reopened.Form_Load();
    EXPECT_EQ(control<QComboBox>(reopened, "cmbConfigCPU")->currentText(),
              QStringLiteral("PIC16F88"));
}

TEST(DeviceEditorFailures, MissingChoiceFileIsReportedAndTheListsStayIdle) {
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.start();
    folder.removeSetting("deviceList.txt");
    FrmConfig editor(*fx.state, fx.dialogs, *fx.window);
    editor.Form_Load();
    ASSERT_TRUE(fx.showedOnly(
        QStringLiteral("frmConfig_Load"),
        QStringLiteral("deviceList.txtのオープンに失敗しました。\r\nファイルが見つかりません")));
    EXPECT_FALSE(fx.state->ConfigEditorReady);
}

TEST(DeviceEditorFailures, CatalogueThatCannotBeReadIsReportedAndTheListKeepsItsNames) {
    ProgramFolder folder;
    MainWindowFixture fx(folder);
    fx.start();
    FrmConfig editor(*fx.state, fx.dialogs, *fx.window);
    editor.Form_Load();
    folder.removeSetting("device.txt");
    control<QLineEdit>(editor, "txtConfigDeviceName")->setText(QStringLiteral("new"));
    control<QPushButton>(editor, "comConfigSave")->click();
    ASSERT_TRUE(fx.showedOnly(
        QStringLiteral("comConfigSave"),
        QStringLiteral("device.txtのオープンに失敗しました。\r\nファイルが見つかりません")));
    EXPECT_EQ(fx.control<QComboBox>("cmbDevice")->count(), 11);
    EXPECT_FALSE(QFile::exists(folder.path("設定/device.txt")));
}

TEST(DeviceEditorFailures, ReplaceWithAnUnfinishedLastRecordIsReportedAndWritesNothing) {
    ProgramFolder folder;
    folder.writeSetting("device.txt", folder.settingLines("device.txt") << "24C01"
                                                                        << "128");
    const QStringList catalogue = folder.settingLines("device.txt");
    MainWindowFixture fx(folder);
    fx.start();
    FrmConfig editor(*fx.state, fx.dialogs, *fx.window);
    editor.Form_Load();
    control<QRadioButton>(editor, "optConfigSaveOption(0)")->setChecked(true);
    control<QPushButton>(editor, "comConfigSave")->click();
    ASSERT_TRUE(fx.showedOnly(
        QStringLiteral("comConfigSave"),
        QStringLiteral(
            "device.txtのオープンに失敗しました。\r\nインデックスが有効範囲にありません")));
    EXPECT_EQ(folder.settingLines("device.txt"), catalogue);
    EXPECT_EQ(fx.control<QComboBox>("cmbDevice")->count(), 12);
}
