#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The window program's --lang option, `--lang CODE` or `--lang=CODE` anywhere on the command line,
// taken out of the arguments so that it is never taken for a file to open.
struct LanguageOption {
    std::optional<QString> language;  // as given (empty when the value is missing); the last wins
    QStringList otherArguments;       // the rest, the program's name first
};

LanguageOption takeLanguageOption(const QStringList& arguments);
