#include "ScriptedDialogs.h"

int ScriptedDialogs::showMessage(const QString& text, const QString& title, MessageIcon icon) {
    shown.append({text, title, icon, false});
    return Answer::Ok;
}

int ScriptedDialogs::showMessageWithDetail(const QString& text, const QString& title,
                                           MessageIcon icon, const QString& detail) {
    shown.append({text, title, icon, false, detail});
    return Answer::Ok;
}

int ScriptedDialogs::askRetryCancel(const QString& text, const QString& title) {
    shown.append({text, title, MessageIcon::Warning, true});
    if (whileAsking) whileAsking();
    if (answers.empty()) return Answer::Cancel;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}
