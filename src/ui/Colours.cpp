#include "Colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "WindowsColour.h"

namespace {

QPalette::ColorRole roleOfSystemColour(uint8_t index) {
    using WindowsColour::SystemColour;
    switch (static_cast<SystemColour>(index)) {
        case SystemColour::ScrollBar:
        case SystemColour::ButtonFace:
        case SystemColour::MenuBar:
            return QPalette::Button;
        case SystemColour::Window:
            return QPalette::Base;
        case SystemColour::WindowText:
            return QPalette::Text;
        case SystemColour::MenuText:
        case SystemColour::InactiveCaptionText:
            return QPalette::WindowText;
        case SystemColour::ActiveCaption:
        case SystemColour::GradientActiveCaption:
        case SystemColour::Highlight:
        case SystemColour::MenuHighlight:
            return QPalette::Highlight;
        case SystemColour::CaptionText:
        case SystemColour::HighlightText:
            return QPalette::HighlightedText;
        case SystemColour::ButtonShadow:
        case SystemColour::AppWorkspace:
            return QPalette::Dark;
        case SystemColour::WindowFrame:
        case SystemColour::DarkShadow3D:
            return QPalette::Shadow;
        case SystemColour::GrayText:
            return QPalette::PlaceholderText;
        case SystemColour::ButtonText:
            return QPalette::ButtonText;
        case SystemColour::ButtonHighlight:
            return QPalette::Light;
        case SystemColour::Light3D:
            return QPalette::Midlight;
        case SystemColour::InfoText:
            return QPalette::ToolTipText;
        case SystemColour::InfoBackground:
            return QPalette::ToolTipBase;
        case SystemColour::HotLight:
            return QPalette::Link;
        default:
            return QPalette::Window;
    }
}

}  // namespace

QColor toQColor(int32_t windowsColour) {
    const auto value = static_cast<uint32_t>(windowsColour);
    if (WindowsColour::isSystemColour(value)) {
        return QApplication::palette().color(roleOfSystemColour(WindowsColour::systemIndex(value)));
    }
    return QColor(WindowsColour::red(value), WindowsColour::green(value),
                  WindowsColour::blue(value));
}

namespace {

// Each puts one colour into a palette and tells whether that changed it: a widget spared a
// palette change is spared its change event and repaint.
bool putTextColour(QPalette& palette, const QColor& colour, bool isButton) {
    if (palette.color(QPalette::WindowText) == colour && palette.color(QPalette::Text) == colour &&
        palette.isBrushSet(QPalette::Active, QPalette::WindowText)) {
        return false;
    }
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    // Push buttons draw their caption in ButtonText; a frame must not hand that on to the buttons
    // inside it.
    if (isButton) palette.setColor(QPalette::ButtonText, colour);
    return true;
}

bool putBackColour(QPalette& palette, const QColor& colour) {
    if (palette.color(QPalette::Base) == colour &&
        palette.isBrushSet(QPalette::Active, QPalette::Base)) {
        return false;
    }
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    return true;
}

}  // namespace

void setTextColour(QWidget* widget, int32_t windowsColour) {
    QPalette palette = widget->palette();
    if (putTextColour(palette, toQColor(windowsColour), widget->inherits("QPushButton"))) {
        widget->setPalette(palette);
    }
}

void setBackColour(QWidget* widget, int32_t windowsColour) {
    QPalette palette = widget->palette();
    if (putBackColour(palette, toQColor(windowsColour))) widget->setPalette(palette);
}

void setColours(QWidget* widget, int32_t textColour, int32_t backColour) {
    QPalette palette = widget->palette();
    const bool newText =
        putTextColour(palette, toQColor(textColour), widget->inherits("QPushButton"));
    if (putBackColour(palette, toQColor(backColour)) || newText) widget->setPalette(palette);
}

QColor textColour(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

QColor backColour(const QWidget* widget) { return widget->palette().color(QPalette::Base); }
