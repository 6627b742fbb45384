#pragma once

#include <QString>

enum class MessageIcon { None, Information, Warning, Critical };

// The buttons' answers, as stored in ErrorAnswer.
namespace Answer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Retry = 4;
}  // namespace Answer

// Every message box of the program goes through here: the window shows real boxes, tests script
// the answers and record the texts.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A box with an OK button only; returns Answer::Ok.
    virtual int showMessage(const QString& text, const QString& title, MessageIcon icon) = 0;
    // The same with `detail` behind the box's details button (why, and what to do about it).
    // Dialogs that show no details may leave it out.
    virtual int showMessageWithDetail(const QString& text, const QString& title, MessageIcon icon,
                                      const QString& /*detail*/) {
        return showMessage(text, title, icon);
    }
    // A box with Retry and Cancel and the warning icon; returns Answer::Retry or Answer::Cancel.
    virtual int askRetryCancel(const QString& text, const QString& title) = 0;
};
