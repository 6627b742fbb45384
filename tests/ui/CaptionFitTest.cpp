// Every caption of every window fits its control, in each language of the interface.

#include <gtest/gtest.h>

#include "ProgramInterface.h"
#include "ShownTexts.h"
#include "WindowTour.h"

namespace {

class CaptionFit : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(CaptionFit, NoCaptionIsCutOff) {
    const ProgramInterface interface(QString::fromLatin1(GetParam()));
    WindowTour tour;
    for (const WindowTour::Stop stop : WindowTour::kStops) {
        const QWidget& window = tour.open(stop);
        for (const ShownText& shown : shownTexts(window)) {
            EXPECT_LE(shown.needed, shown.room)
                << window.objectName().toStdString() << ": " << shown.control.toStdString() << " \""
                << shown.text.toStdString() << "\" needs " << shown.needed << " px, has "
                << shown.room << " px";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionFit, ::testing::Values("ja", "en"));
