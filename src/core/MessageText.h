#pragma once

#include <QString>
#include <QStringList>

// Lines of a message box text are joined by CR LF, whichever layer builds the text.
inline const QString kLineBreak = QStringLiteral("\r\n");

// The lines as one message text; an empty last line gives a trailing line break.
inline QString messageLines(const QStringList& lines) { return lines.join(kLineBreak); }
