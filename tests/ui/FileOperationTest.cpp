// The file page: the two file buttons, the file list and the EndAddress field.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "FileSizeLimit.h"
#include "ProgramFolder.h"

namespace {

class FileOperation : public ::testing::Test {
protected:
    void SetUp() override {
        fx.start();
        fx.control<QTabWidget>("sstBase")->setCurrentIndex(1);
    }

    QPushButton* left() const { return fx.control<QPushButton>("cmdFileOperation(0)"); }
    QPushButton* right() const { return fx.control<QPushButton>("cmdFileOperation(1)"); }
    QLineEdit* name() const { return fx.control<QLineEdit>("txtFileName"); }
    QString message() const { return fx.control<QLabel>("lblMessage")->text(); }
    QString shownCell(int i) const {
        return fx.control<QLineEdit>(QStringLiteral("txtData(%1)").arg(i))->text();
    }
    void clickListed(const QString& file) {
        auto* list = fx.control<QListWidget>("flbFileList");
        list->addItem(file);
        QListWidgetItem* item = list->item(list->count() - 1);
        list->setCurrentItem(item);
        emit list->itemClicked(item);
    }

    ProgramFolder folder;
    MainWindowFixture fx{folder};
};

}  // namespace

TEST_F(FileOperation, BlankNameIsRefusedInEveryState) {
    left()->click();  // 開く: load announced
    name()->clear();
    right()->click();
    left()->click();
    ASSERT_EQ(fx.dialogs.shown.size(), 2);
    EXPECT_EQ(
        fx.dialogs.shown[0].text,
        QStringLiteral(
            "ファイル名が空白です。\r\nファイルを選択するか、ファイル名を記入してください。\r\n"));
    EXPECT_EQ(fx.dialogs.shown[0].title, QStringLiteral("ファイル操作エラー"));
    EXPECT_EQ(left()->text(), QStringLiteral("開始"));
    EXPECT_EQ(right()->text(), QStringLiteral("取消"));
}

TEST_F(FileOperation, AnnouncingAndWithdrawingChangesOnlyCaptions) {
    left()->click();
    EXPECT_EQ(message(), QStringLiteral("【開始】を押して【読み取り】開始"));
    right()->click();
    EXPECT_EQ(left()->text(), QStringLiteral("開く"));
    EXPECT_EQ(right()->text(), QStringLiteral("保存"));
    EXPECT_EQ(message(), QString());
    right()->click();
    EXPECT_EQ(message(), QStringLiteral("【開始】を押して【保存】開始"));
    EXPECT_EQ(left()->text(), QStringLiteral("取消"));
    left()->click();
    EXPECT_EQ(right()->text(), QStringLiteral("保存"));
    EXPECT_TRUE(fx.dialogs.shown.isEmpty());
}

TEST_F(FileOperation, MissingTypedFileEndsInTheFailureReport) {
    name()->setText(QStringLiteral("none.txt"));
    left()->click();
    left()->click();
    ASSERT_TRUE(fx.showedOnly(
        QStringLiteral("cmdFileOperation_Click"),
        QStringLiteral("none.txtのオープンに失敗しました\r\nファイルが見つかりません")));
    EXPECT_EQ(left()->text(), QStringLiteral("開く"));
}

TEST_F(FileOperation, SaveWritesTheFlagFileFirstAndTheFileLoadsBack) {
    fx.state->FlagTable[7] = 1234;
    fx.state->Image.set(0x1234, u"ab");
    name()->setText(QStringLiteral("copy.txt"));
    right()->click();
    right()->click();
    EXPECT_EQ(message(), QStringLiteral("copy.txt Save OK"));
    EXPECT_EQ(
        fx.control<QListWidget>("flbFileList")->findItems("copy.txt", Qt::MatchExactly).size(), 1);
    const QStringList flags = folder.settingLines("flag.txt");
    EXPECT_EQ(flags.value(7), QStringLiteral("1234"));
    EXPECT_EQ(flags.value(19), QStringLiteral("copy.txt"));

    fx.state->Image.set(0x1234, u"00");
    left()->click();
    left()->click();
    EXPECT_EQ(message(), QStringLiteral("copy.txt Open OK "));
    EXPECT_EQ(fx.state->Image.at(0x1234), QStringLiteral("ab"));
}

TEST_F(FileOperation, ListClickChoosesTheFormatAndCaptionButTypingDoesNot) {
    clickListed(QStringLiteral("ROM.HEX"));
    EXPECT_EQ(name()->text(), QStringLiteral("ROM.HEX"));
    EXPECT_TRUE(fx.control<QRadioButton>("optFileType(1)")->isChecked());
    EXPECT_EQ(fx.state->FileTypeName, QStringLiteral("HEX Format"));
    EXPECT_TRUE(fx.window->windowTitle().endsWith(QStringLiteral("/ File: ROM.HEX】")));

    clickListed(QStringLiteral("dump"));
    EXPECT_EQ(fx.state->FileTypeName, QStringLiteral("Binary Format"));
    const QString caption = fx.window->windowTitle();
    name()->setText(QStringLiteral("typed.hex"));
    EXPECT_EQ(fx.state->FileTypeName, QStringLiteral("Binary Format"));
    EXPECT_EQ(fx.window->windowTitle(), caption);
}

TEST_F(FileOperation, ArrowKeysInTheListActAsAClick) {
    clickListed(QStringLiteral("a.bin"));
    clickListed(QStringLiteral("b.hex"));
    auto* list = fx.control<QListWidget>("flbFileList");
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(name()->text(), QStringLiteral("a.bin"));
    EXPECT_EQ(fx.state->FileTypeName, QStringLiteral("Binary Format"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(name()->text(), QStringLiteral("b.hex"));
    EXPECT_EQ(fx.state->FileTypeName, QStringLiteral("HEX Format"));
    EXPECT_TRUE(fx.window->windowTitle().endsWith(QStringLiteral("/ File: b.hex】")));
}

TEST_F(FileOperation, EndAddressKeepsOnlyTheHexadecimalStart) {
    auto* end = fx.control<QLineEdit>("txtLastCount");
    end->setText(QStringLiteral("1G2"));
    EXPECT_EQ(end->text(), QStringLiteral("1"));
    ASSERT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_TRUE(
        fx.dialogs.shown[0].text.contains(QStringLiteral("入力された【G】の文字は不正です。")));
    EXPECT_TRUE(fx.dialogs.shown[0].text.endsWith(QStringLiteral("不正入力文字を削除します。")));
    end->setText(QStringLiteral("1fF"));
    EXPECT_EQ(end->text(), QStringLiteral("1fF"));
}

TEST_F(FileOperation, HexFilesBringTheirCommentsAndRecordTypeAndGoBackOut) {
    // The tail comment holds bytes no code page 932 reader decodes: UTF-8 text and stray bytes.
    const QByteArray tail("; caf\xC3\xA9 \x80\xA0\xFD\r\n");
    folder.writeDataBytes("rom.hex", "; made by hand\r\n:020000021000EC\r\n:0100100041AE\r\n" + tail);
    clickListed(QStringLiteral("rom.hex"));
    left()->click();
    left()->click();
    // No end record: the file loads and says so.
    ASSERT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_TRUE(
        fx.dialogs.shown[0].text.contains(QStringLiteral("エンドレコード検出されませんでした。")));
    EXPECT_EQ(message(), QStringLiteral("rom.hex Open OK "));
    EXPECT_EQ(fx.state->Image.at(0x10010), QStringLiteral("41"));
    EXPECT_EQ(fx.state->Image.at(0), QStringLiteral("FF"));
    EXPECT_TRUE(fx.control<QRadioButton>("optHexRecordType(0)")->isChecked());
    EXPECT_EQ(fx.control<QComboBox>("cmbFileErrorList(0)")->currentText(),
              QStringLiteral("; made by hand"));
    EXPECT_EQ(fx.control<QComboBox>("cmbFileErrorList(1)")->count(), 1);

    name()->setText(QStringLiteral("out.hex"));
    right()->click();
    right()->click();
    EXPECT_EQ(message(), QStringLiteral("out.hex Save OK"));
    EXPECT_EQ(folder.dataBytes("out.hex"),
              "; made by hand\r\n:020000021000EC\r\n:0100100041AE\r\n:00000001FF\r\n" + tail);
}

TEST_F(FileOperation, HexLoadStoppedByTheFailureReportKeepsWhatItRead) {
    // The last line's address field is not hexadecimal: the failure report stops the load.
    folder.writeData("rom.hex",
                     {"; head", ":020000040001F9", ":0100100041AE", "; after", ":0100000G41BE"});
    clickListed(QStringLiteral("rom.hex"));
    fx.dialogs.answers = {Answer::Retry, Answer::Cancel};
    left()->click();
    left()->click();
    ASSERT_EQ(fx.dialogs.shown.size(), 2);
    EXPECT_TRUE(fx.dialogs.shown[1].text.startsWith(
        QStringLiteral("rom.hexのオープンに失敗しました\r\n型が一致しません")));
    EXPECT_EQ(fx.state->Image.at(0x10010), QStringLiteral("41"));
    EXPECT_TRUE(fx.control<QRadioButton>("optHexRecordType(1)")->isChecked());
    auto* before = fx.control<QComboBox>("cmbFileErrorList(0)");
    auto* after = fx.control<QComboBox>("cmbFileErrorList(1)");
    ASSERT_EQ(before->count() + after->count(), 2);  // the Retry did not add them twice
    EXPECT_EQ(before->itemText(0), QStringLiteral("; head"));
    EXPECT_EQ(after->itemText(0), QStringLiteral("; after"));
}

TEST_F(FileOperation, HexCommentListShowsTheHeadOfAHugeLineAndSavesItWhole) {
    const QString huge = QStringLiteral("; ") + QString(600'000, u'c');
    folder.writeData("big.hex", {huge, ":00000001FF"});
    clickListed(QStringLiteral("big.hex"));
    left()->click();
    left()->click();
    EXPECT_EQ(message(), QStringLiteral("big.hex Open OK "));
    EXPECT_LE(fx.control<QComboBox>("cmbFileErrorList(0)")->currentText().size(), 257);

    name()->setText(QStringLiteral("out.hex"));
    right()->click();
    right()->click();
    EXPECT_EQ(folder.dataLines("out.hex"), (QStringList{huge, ":00000001FF"}));
}

TEST_F(FileOperation, BinaryLoadShowsTheLastAddressAndARefusedEndAddressKeepsTheSaveAnnounced) {
    folder.writeDataBytes("dump.bin", QByteArray(256, '\x5A'));
    clickListed(QStringLiteral("dump.bin"));
    left()->click();
    left()->click();
    auto* end = fx.control<QLineEdit>("txtLastCount");
    EXPECT_EQ(end->text(), QStringLiteral("FF"));
    EXPECT_EQ(fx.control<QComboBox>("cmbFileErrorList(1)")->currentText(),
              QStringLiteral("Count:0xFF"));
    EXPECT_EQ(fx.state->Image.at(0xFF) + fx.state->Image.at(0x100), QStringLiteral("5A00"));

    name()->setText(QStringLiteral("part.bin"));
    end->setText(QStringLiteral("F"));
    right()->click();
    right()->click();
    EXPECT_EQ(folder.dataBytes("part.bin"), QByteArray(16, '\x5A'));
    EXPECT_EQ(message(), QStringLiteral("part.bin Save OK"));

    fx.dialogs.shown.clear();
    end->blockSignals(true);  // text that got past the field's own filter, as by a paste
    end->setText(QStringLiteral("1Z"));
    end->blockSignals(false);
    right()->click();
    right()->click();
    ASSERT_EQ(fx.dialogs.shown.size(), 1);
    EXPECT_TRUE(fx.dialogs.shown[0].text.endsWith(QStringLiteral("保存処理は停止します。")));
    EXPECT_EQ(right()->text(), QStringLiteral("開始"));
    EXPECT_EQ(message(), QStringLiteral("【開始】を押して【保存】開始"));
}

TEST_F(FileOperation, AFailedOpenChangesOnlyWhatWasReadAndTheGridShowsIt) {
    const struct {
        const char* file;
        QStringList lines;  // none: the file does not exist
        const char* first;  // cells 0 and 16 afterwards
        const char* seventeenth;
    } cases[] = {
        {"none.hex", {}, "5A", "5A"},
        {"none.bin", {}, "5A", "5A"},
        {"sum.hex", {":0100000041BE", ":0100100041BF"}, "41", "FF"},    // refused record
        {"type.hex", {":0100000041BE", ":0200000410ZZ00"}, "41", "FF"},  // failure report
        {"short.txt", {QString(32, u'4'), "4444"}, "44", "5A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fx.state->Image.set(0, u"5A");
        fx.state->Image.set(16, u"5A");
        fx.window->subBlockDisplay();
        if (!c.lines.isEmpty()) folder.writeData(c.file, c.lines);
        clickListed(c.file);
        left()->click();
        left()->click();
        EXPECT_EQ(fx.state->Image.at(0) + fx.state->Image.at(16),
                  QString::fromLatin1(c.first) + c.seventeenth);
        EXPECT_EQ(shownCell(0) + shownCell(16), QString::fromLatin1(c.first) + c.seventeenth);
        EXPECT_NE(message(), c.file + QStringLiteral(" Open OK "));
    }
}

TEST_F(FileOperation, ASaveTheDiskRefusesSaysWhyAndKeepsThePreviousFile) {
    fx.control<QLineEdit>("txtLastCount")->setText(QStringLiteral("FF"));
    for (const char* file : {"data.txt", "data.hex", "data.bin"}) {
        SCOPED_TRACE(file);
        fx.dialogs.shown.clear();
        folder.writeDataBytes(file, "previous\r\n");
        clickListed(file);
        right()->click();
        {
            const FileSizeLimit limit(200);  // room for flag.txt, not for the data
            right()->click();
        }
        ASSERT_EQ(fx.dialogs.shown.size(), 1);
        EXPECT_EQ(fx.dialogs.shown[0].text,
                  file + QStringLiteral("の書き込み処理に失敗しました\r\nファイルに書き込めません。 (") +
                      fx.state->DataFolder + file +
                      QStringLiteral(": ファイルが大きすぎます)"));
        EXPECT_EQ(folder.dataBytes(file), QByteArray("previous\r\n"));
        EXPECT_NE(message(), file + QStringLiteral(" Save OK"));
    }
}
