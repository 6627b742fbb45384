#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <memory>

#include "ProgramFolder.h"

// Every window and dialog of the program, opened on the sample folder the way a user opens it:
// the main window on each of its pages, and each window reached from it.
class WindowTour {
public:
    enum class Stop { BasePage, FilePage, DeviceEditor, ColourWindow, PortWindow, GoTo, Find };
    static constexpr std::array<Stop, 7> kStops{
        Stop::BasePage,   Stop::FilePage, Stop::DeviceEditor, Stop::ColourWindow,
        Stop::PortWindow, Stop::GoTo,     Stop::Find};

    // Starts the main window.
    WindowTour();

    // Shows the window of `stop`, laid out, closing the dialog of the stop before.
    QWidget& open(Stop stop);

    ProgramFolder folder;
    MainWindowFixture fx{folder};

private:
    QDialog& dialogOfTheGrid(Qt::Key key, const char* name);

    std::unique_ptr<QDialog> window_;
};
