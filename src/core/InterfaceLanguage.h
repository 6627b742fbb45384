#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The languages of the interface, by their two-letter codes. Japanese is the source text of every
// caption and message; every other language is a translation compiled into the program.
inline const QString kSourceLanguage = QStringLiteral("ja");

// Japanese first, then the compiled-in translations.
QStringList interfaceLanguages();

// The language the system asks for: its first user-interface language when the interface has it,
// else English. A locale that names no language (C, POSIX) gets `withoutLanguage`.
QString systemInterfaceLanguage(const QString& withoutLanguage,
                                const QLocale& system = QLocale::system());

// Puts the interface of the running application into `language`, one of interfaceLanguages():
// the program's translation (none for Japanese) and Qt's own for its dialogs, buttons and menus
// (none for English, Qt's source language). Returns what could not be loaded, for a warning.
QStringList useInterfaceLanguage(const QString& language);

// The one-line refusal of a language the interface does not have.
QString unknownLanguageMessage(const QString& language);
