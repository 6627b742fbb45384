#pragma once

#include <QFont>
#include <QList>
#include <QString>

class QTranslator;

// What the program starts its windows in, for one test: the translations useInterfaceLanguage
// installs for `language` and the program's font. Both are taken back at the end, so that the
// tests after it see the untranslated window in the test font again.
class ProgramInterface {
public:
    explicit ProgramInterface(const QString& language);
    ~ProgramInterface();
    ProgramInterface(const ProgramInterface&) = delete;
    ProgramInterface& operator=(const ProgramInterface&) = delete;

private:
    QList<QTranslator*> installed_;
    QFont font_;
};
