#include "InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kTranslations = QStringLiteral(":/i18n/");
const QString kQtSourceLanguage = QStringLiteral("en");

QString translationFile(const QString& language) {
    return kTranslations + QStringLiteral("tavelin_%1.qm").arg(language);
}

// Qt's own translation, from Qt's folder or, in a program folder that carries it (Windows), from
// translations/ beside the executable.
bool loadQtTranslation(QTranslator& translator, const QString& language) {
    const QString name = QStringLiteral("qtbase_") + language;
    return translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
           translator.load(
               name, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
}

}  // namespace

QStringList interfaceLanguages() {
    QStringList languages{kSourceLanguage};
    const QStringList files = QDir(kTranslations).entryList({QStringLiteral("tavelin_*.qm")});
    for (const QString& file : files) {
        languages << file.sliced(8, file.size() - 8 - 3);  // between "tavelin_" and ".qm"
    }
    return languages;
}

QString systemInterfaceLanguage(const QString& withoutLanguage, const QLocale& system) {
    if (system.language() == QLocale::C) return withoutLanguage;
    const QStringList asked = system.uiLanguages();
    const QString first = asked.isEmpty() ? QString() : asked.first().section(u'-', 0, 0);
    return interfaceLanguages().contains(first) ? first : QStringLiteral("en");
}

QStringList useInterfaceLanguage(const QString& language) {
    QStringList missing;
    // Installed for the life of the application, which owns them from here on.
    QCoreApplication* const app = QCoreApplication::instance();
    if (language != kSourceLanguage) {
        auto* own = new QTranslator(app);
        if (own->load(translationFile(language))) {
            QCoreApplication::installTranslator(own);
        } else {
            missing << translationFile(language);
        }
    }
    if (language != kQtSourceLanguage) {
        auto* qt = new QTranslator(app);
        if (loadQtTranslation(*qt, language)) {
            QCoreApplication::installTranslator(qt);
        } else {
            missing << QStringLiteral("qtbase_%1.qm").arg(language);
        }
    }
    return missing;
}

QString unknownLanguageMessage(const QString& language) {
    return QStringLiteral("unknown language '%1': choose one of %2")
        .arg(language, interfaceLanguages().join(QStringLiteral(", ")));
}
