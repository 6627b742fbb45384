// tavelin-cli: the writer board and the image files from the command line, with the same layers
// as the window.

#include <QCoreApplication>

#include "CliFailure.h"
#include "CliOptions.h"
#include "Commands.h"
#include "Console.h"
#include "InterfaceLanguage.h"

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("tavelin"));
    const QCoreApplication application(argc, argv);
    // Qt's copy of the arguments: on Windows it comes from the UTF-16 command line, which holds
    // every character of a file name, where argv holds only what the ANSI code page can.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    try {
        // Usage faults are told in English, so the language can come from the arguments.
        const CliOptions options = parseCommandLine(
            arguments, standardErrorIsTerminal() ? ProgressStyle::Bar : ProgressStyle::None);
        // A terminal without a language (C, POSIX) reads English, as the tools beside it do. What
        // could not be loaded is Qt's own translation at most, whose texts the command line never
        // shows.
        useInterfaceLanguage(options.language.isEmpty()
                                 ? systemInterfaceLanguage(QStringLiteral("en"))
                                 : options.language);
        return runCommand(options);
    } catch (const CliFailure& failure) {
        QString text = QStringLiteral("tavelin-cli: ") + failure.message;
        if (failure.exitCode == ExitCode::Usage)
            text += QStringLiteral("\ntry 'tavelin-cli --help'");
        printMessage(text);
        return failure.exitCode;
    }
}
