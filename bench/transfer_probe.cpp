// Drives the program as a user would for whole-memory transfers and prints how long each took:
// selects the device named on the command line, "全メモリー", then READ, VERIFY and WRITE, each
// armed and started with two presses. One line per operation on standard output:
//   <operation> <milliseconds> <message line at the end>
// bench/transfer_time.py runs it against the board emulator.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "Program.h"

namespace {

template <typename Widget>
Widget* control(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = window->findChild<Widget*>(QString::fromLatin1(name))) return found;
    }
    std::fprintf(stderr, "transfer_probe: no control %s\n", name);
    std::exit(2);
}

// Runs the operations one after the other; each ends when PROPERTY has its caption back.
class Driver : public QObject {
public:
    explicit Driver(QString device) : device_(std::move(device)) {}

    void begin() {
        auto* devices = control<QComboBox>("cmbDevice");
        const int index = devices->findText(device_);
        if (index < 0) {
            std::fprintf(stderr, "transfer_probe: no device %s\n", qPrintable(device_));
            QCoreApplication::exit(2);
            return;
        }
        devices->setCurrentIndex(index);
        property_ = control<QPushButton>("cmdComm(3)");
        message_ = control<QLabel>("lblMessage");
        control<QRadioButton>("optComm(1)")->click();
        if (auto* caution = control<QCheckBox>("chkCaution(1)"); caution->isChecked()) caution->click();
        startNext();
    }

private:
    void startNext() {
        if (next_ == std::size(operations_)) {
            QCoreApplication::quit();
            return;
        }
        auto* button = control<QPushButton>(operations_[next_].button);
        button->click();  // arm
        clock_.start();
        button->click();  // START
        QTimer::singleShot(1, this, [this] { poll(); });
    }

    void poll() {
        // Looked at every millisecond, so the controls are found once: a search through the
        // window each time would add to the times measured.
        if (property_->text() != QStringLiteral("PROPERTY")) {
            if (clock_.elapsed() > 600'000) {
                std::fprintf(stderr, "transfer_probe: %s did not end\n", operations_[next_].name);
                QCoreApplication::exit(1);
                return;
            }
            QTimer::singleShot(1, this, [this] { poll(); });
            return;
        }
        const double ms = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
        std::printf("%s %.1f %s\n", operations_[next_].name, ms,
                    qPrintable(message_->text()));
        std::fflush(stdout);
        ++next_;
        startNext();
    }

    struct Operation {
        const char* name;
        const char* button;
    };
    static constexpr Operation operations_[] = {
        {"READ", "cmdComm(1)"}, {"VERIFY", "cmdComm(2)"}, {"WRITE", "cmdComm(0)"}};

    QString device_;
    QPushButton* property_ = nullptr;
    QLabel* message_ = nullptr;
    std::size_t next_ = 0;
    QElapsedTimer clock_;
};

}  // namespace

int main(int argc, char** argv) {
    const QString device = QString::fromLocal8Bit(argc > 1 ? argv[1] : "24C1024");
    Driver driver(device);
    return runProgram(argc, argv, [&driver] { driver.begin(); });
}
