#include "FileButtons.h"

namespace {

// The button that starts each armed operation; the other one withdraws it.
int startButton(ArmedFile armed) { return armed == ArmedFile::Save ? 1 : 0; }

}  // namespace

FileButtonAction fileButtonAction(ArmedFile armed, int index) {
    if (armed == ArmedFile::None) return FileButtonAction::Announce;
    if (armed == ArmedFile::StartupLoad && index == 1) return FileButtonAction::Announce;
    return index == startButton(armed) ? FileButtonAction::Start : FileButtonAction::Withdraw;
}

std::array<QString, 2> fileButtonCaptions(ArmedFile armed) {
    if (armed == ArmedFile::None) return {QStringLiteral("開く"), QStringLiteral("保存")};
    if (armed == ArmedFile::StartupLoad) return {QStringLiteral("開始"), QStringLiteral("保存")};
    std::array<QString, 2> captions{QStringLiteral("取消"), QStringLiteral("取消")};
    captions[static_cast<std::size_t>(startButton(armed))] = QStringLiteral("開始");
    return captions;
}

QString fileButtonPrompt(ArmedFile armed) {
    switch (armed) {
        case ArmedFile::Load:
            return QStringLiteral("【開始】を押して【読み取り】開始");
        case ArmedFile::Save:
            return QStringLiteral("【開始】を押して【保存】開始");
        case ArmedFile::None:
        case ArmedFile::StartupLoad:  // start-up announces its load without a prompt
            break;
    }
    return {};
}
