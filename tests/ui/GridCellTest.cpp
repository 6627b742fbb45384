// The grid's cells: at rest a cell paints just what a line edit in its place paints, whatever its
// text, colours and font; the grid's texts go unshaped only where that changes nothing.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>

#include "GridCell.h"
#include "GridCellFaces.h"
#include "UnshapedFont.h"

namespace {

struct Look {
    const char* text;
    QColor textColour;
    QColor back;
};

void show(QLineEdit& box, const Look& look) {
    box.setText(QString::fromUtf8(look.text));
    QPalette palette = box.palette();
    palette.setColor(QPalette::Text, look.textColour);
    palette.setColor(QPalette::Base, look.back);
    palette.setColor(QPalette::Window, look.back);
    box.setPalette(palette);
}

TEST(GridCell, AtRestPaintsWhatALineEditPaints) {
    QWidget window;
    GridCellFaces faces(&window);
    GridCell cell(&window, faces);
    QLineEdit reference(&window);
    for (QLineEdit* box : {static_cast<QLineEdit*>(&cell), &reference}) {
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedSize(32, 24);
    }
    reference.move(40, 0);
    const auto same = [&] {
        return window.grab(cell.geometry()).toImage() ==
               window.grab(reference.geometry()).toImage();
    };

    const Look looks[] = {
        {"3F", Qt::black, Qt::white}, {"3F", Qt::blue, Qt::white},  // a new text colour alone
        {"3F", Qt::blue, Qt::yellow},                               // a new background alone
        {"", Qt::black, Qt::white},   {"ｱ", Qt::red, Qt::cyan},
    };
    for (const Look& look : looks) {
        show(cell, look);
        show(reference, look);
        EXPECT_TRUE(same()) << look.text;
    }

    QFont larger = window.font();
    larger.setPointSize(larger.pointSize() + 4);
    window.setFont(larger);
    EXPECT_TRUE(same()) << "after a new font";
}

TEST(GridCell, TextsGoUnshapedOnlyInFacesWithoutKerningBetweenDigits) {
    const struct {
        const char* family;
        bool unshaped;
    } faces[] = {
        {"IPAGothic", true},     // fixed-width digits
        {"DejaVu Sans", false},  // kerns some pairs of digits
    };
    for (const auto& face : faces) {
        if (!QFontDatabase::families().contains(QString::fromLatin1(face.family))) continue;
        QFont font{QString::fromLatin1(face.family)};
        font.setPointSize(9);
        const bool unshaped = unshapedWhereAlike(font).styleStrategy() & QFont::PreferNoShaping;
        EXPECT_EQ(unshaped, face.unshaped) << face.family;
    }
}

}  // namespace
