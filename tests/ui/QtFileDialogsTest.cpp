// The save dialog: the file type chosen is the format saved, as the extension picks the format.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "QtFileDialogs.h"
#include "TempFolder.h"

TEST(QtFileDialogs, ANameTypedWithoutExtensionTakesTheChosenType) {
    struct Row {
        int typesUp;  // from "all files", the last type, as the user steps up the list
        const char* typed;
        const char* saved;
    };
    const Row rows[] = {{0, "rom", "rom"}, {2, "rom", "rom.hex"}, {2, "rom.txt", "rom.txt"}};
    const TempFolder folder;
    QWidget parent;
    QtFileDialogs dialogs(&parent);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.saved);
        QTimer::singleShot(0, [&row] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; i < row.typesUp; ++i) QTest::keyClick(types, Qt::Key_Up);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QString::fromLatin1(row.typed));
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        EXPECT_EQ(dialogs.fileToSave(folder.path()), folder.path(QString::fromLatin1(row.saved)));
    }
}
