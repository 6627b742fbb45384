#include "ProgramInterface.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>

#include "InterfaceLanguage.h"
#include "JapaneseFont.h"

ProgramInterface::ProgramInterface(const QString& language) : font_(QApplication::font()) {
    const QList<QTranslator*> before = qApp->findChildren<QTranslator*>();
    const QStringList missing = useInterfaceLanguage(language);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u' ').toStdString();
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        if (!before.contains(translator)) installed_ << translator;
    }
    useJapaneseGothicFont(*qApp);
}

ProgramInterface::~ProgramInterface() {
    for (QTranslator* translator : installed_) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QApplication::setFont(font_);
}
