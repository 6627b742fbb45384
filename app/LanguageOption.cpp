#include "LanguageOption.h"

LanguageOption takeLanguageOption(const QStringList& arguments) {
    static const QString name = QStringLiteral("--lang");
    static const QString joined = name + u'=';
    LanguageOption option;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 && argument == name) {
            option.language = arguments.value(++i);
        } else if (i > 0 && argument.startsWith(joined)) {
            option.language = argument.sliced(joined.size());
        } else {
            option.otherArguments << argument;
        }
    }
    return option;
}
