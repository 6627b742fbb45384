// Which language the interface takes from the system, and that the English one is compiled in.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "InterfaceLanguage.h"
#include "ProgramError.h"

TEST(InterfaceLanguage, FollowsTheSystemsFirstLanguage) {
    struct Row {
        const char* locale;
        const char* withoutLanguage;
        const char* expected;
    };
    for (const Row& row : {Row{"ja_JP", "en", "ja"}, Row{"en_US", "ja", "en"},
                           Row{"de_DE", "ja", "en"},  // no German interface: English
                           Row{"C", "ja", "ja"}, Row{"C", "en", "en"}}) {
        SCOPED_TRACE(row.locale);
        EXPECT_EQ(systemInterfaceLanguage(QString::fromLatin1(row.withoutLanguage),
                                          QLocale(QString::fromLatin1(row.locale))),
                  QString::fromLatin1(row.expected));
    }
}

TEST(InterfaceLanguage, EnglishTranslatesTheLayersMessages) {
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    EXPECT_EQ(interfaceLanguages(), (QStringList{QStringLiteral("ja"), QStringLiteral("en")}));
    EXPECT_EQ(ProgramError::indexOutOfRange().description(),
              QStringLiteral("インデックスが有効範囲にありません。"));
    EXPECT_TRUE(useInterfaceLanguage(QStringLiteral("en")).isEmpty());
    EXPECT_EQ(ProgramError::indexOutOfRange().description(), QStringLiteral("Index out of range."));
}
