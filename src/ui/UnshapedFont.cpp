#include "UnshapedFont.h"

#include <QGlyphRun>
#include <QTextLayout>

namespace {

QList<QGlyphRun> laidOut(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

}  // namespace

QFont unshapedWhereAlike(const QFont& font) {
    QFont unshaped = font;
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    // Every digit after every digit, once.
    const QString digits = QStringLiteral("0123456789ABCDEF");
    QString pairs;
    for (QChar first : digits) {
        pairs += first;
        pairs += digits;
        pairs += QLatin1Char(' ');
    }
    const QList<QGlyphRun> shapedRuns = laidOut(pairs, font);
    const QList<QGlyphRun> unshapedRuns = laidOut(pairs, unshaped);
    if (shapedRuns.size() != unshapedRuns.size()) return font;
    for (qsizetype i = 0; i < shapedRuns.size(); ++i) {
        if (shapedRuns[i].glyphIndexes() != unshapedRuns[i].glyphIndexes() ||
            shapedRuns[i].positions() != unshapedRuns[i].positions()) {
            return font;
        }
    }
    return unshaped;
}
