#include "Console.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

void printMessage(const QString& text) {
    // The shared messages break their lines with CR LF, meant for a message box.
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!lines.endsWith(u'\n')) lines += u'\n';
    const QByteArray bytes = lines.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

void printData(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

bool standardErrorIsTerminal() { return isatty(fileno(stderr)) != 0; }

int ConsoleDialogs::showMessage(const QString& text, const QString& title, MessageIcon) {
    printMessage(title + QStringLiteral(": ") + text);
    return Answer::Ok;
}

int ConsoleDialogs::askRetryCancel(const QString& text, const QString& title) {
    printMessage(title + QStringLiteral(": ") + text);
    return Answer::Cancel;
}
