#include "JapaneseFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

void useJapaneseGothicFont(QApplication& app) {
    const QStringList families = QFontDatabase::families();
    for (const char* candidate : {"IPAGothic", "IPAexGothic", "Noto Sans CJK JP", "TakaoGothic",
                                  "MS Gothic", "VL Gothic"}) {
        const QString family = QString::fromLatin1(candidate);
        if (families.contains(family)) {
            QFont font(family);
            font.setPointSize(9);
            app.setFont(font);
            return;
        }
    }
}
