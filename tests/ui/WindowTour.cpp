#include "WindowTour.h"

#include <QCoreApplication>
#include <QLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "FrmColorSetup.h"
#include "FrmCommProperty.h"
#include "FrmConfig.h"

WindowTour::WindowTour() { fx.start(); }

QDialog& WindowTour::dialogOfTheGrid(Qt::Key key, const char* name) {
    QTest::keyClick(fx.control<QLineEdit>(QStringLiteral("txtData(0)")), key, Qt::ControlModifier);
    return *fx.control<QDialog>(QString::fromLatin1(name));
}

QWidget& WindowTour::open(Stop stop) {
    window_.reset();
    for (QDialog* dialog : fx.window->findChildren<QDialog*>()) dialog->close();
    QWidget* shown = fx.window.get();
    switch (stop) {
        case Stop::BasePage:
        case Stop::FilePage:
            fx.control<QTabWidget>(QStringLiteral("sstBase"))
                ->setCurrentIndex(stop == Stop::BasePage ? 0 : 1);
            break;
        case Stop::DeviceEditor: {
            auto editor = std::make_unique<FrmConfig>(*fx.state, fx.dialogs, *fx.window);
            editor->Form_Load();
            window_ = std::move(editor);
            break;
        }
        case Stop::ColourWindow: {
            auto colours = std::make_unique<FrmColorSetup>(*fx.state, fx.dialogs, fx.window.get());
            colours->Form_Load();
            window_ = std::move(colours);
            break;
        }
        case Stop::PortWindow: {
            auto port =
                std::make_unique<FrmCommProperty>(*fx.state, fx.dialogs, fx.port, fx.window.get());
            port->Form_Load();
            window_ = std::move(port);
            break;
        }
        case Stop::GoTo:
            shown = &dialogOfTheGrid(Qt::Key_G, "dlgGoTo");
            break;
        case Stop::Find:
            shown = &dialogOfTheGrid(Qt::Key_F, "dlgFind");
            break;
    }
    if (window_) shown = window_.get();
    shown->show();
    QCoreApplication::sendPostedEvents();
    shown->layout()->activate();
    return *shown;
}
