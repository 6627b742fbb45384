#include "WriterPins.h"

namespace {

constexpr ControllerPins kControllers[] = {
    {"PIC18F2550", 0x01, {0x08, 0x10, 0x20}, 0x00},
    {"PIC18F14K50", 0x20, {0x01, 0x02, 0x04}, 0x00},
    {"PIC16F1827", 0x04, {0x08, 0x10, 0x00}, 0x08},
    {"PIC16F88", 0x04, {0x08, 0x10, 0x00}, 0x08},
};

}  // namespace

const ControllerPins* controllerPins(const QString& cpu) {
    for (const ControllerPins& controller : kControllers) {
        if (cpu == QLatin1String(controller.cpu)) return &controller;
    }
    return nullptr;
}
