#include "FileButtons.h"

#include <QCoreApplication>

namespace {

// The button that starts each armed operation; the other one withdraws it.
int startButton(ArmedFile armed) { return armed == ArmedFile::Save ? 1 : 0; }

QString startCaption() { return QCoreApplication::translate("FileButtons", "開始"); }

}  // namespace

FileButtonAction fileButtonAction(ArmedFile armed, int index) {
    if (armed == ArmedFile::None) return FileButtonAction::Announce;
    if (armed == ArmedFile::StartupLoad && index == 1) return FileButtonAction::Announce;
    return index == startButton(armed) ? FileButtonAction::Start : FileButtonAction::Withdraw;
}

std::array<QString, 2> fileButtonCaptions(ArmedFile armed) {
    const QString save = QCoreApplication::translate("FileButtons", "保存");
    if (armed == ArmedFile::None) return {QCoreApplication::translate("FileButtons", "開く"), save};
    if (armed == ArmedFile::StartupLoad) return {startCaption(), save};
    const QString withdraw = QCoreApplication::translate("FileButtons", "取消");
    std::array<QString, 2> captions{withdraw, withdraw};
    captions[static_cast<std::size_t>(startButton(armed))] = startCaption();
    return captions;
}

QString fileButtonPrompt(ArmedFile armed) {
    switch (armed) {
        case ArmedFile::Load:
            return QCoreApplication::translate("FileButtons", "【開始】を押して【読み取り】開始");
        case ArmedFile::Save:
            return QCoreApplication::translate("FileButtons", "【開始】を押して【保存】開始");
        case ArmedFile::None:
        case ArmedFile::StartupLoad:  // start-up announces its load without a prompt
            break;
    }
    return {};
}
