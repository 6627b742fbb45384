// tavelin-cli: the writer board and the image files from the command line, with the same layers
// as the window.

#include <QCoreApplication>
#include <optional>

#include "CliFailure.h"
#include "CliOptions.h"
#include "Commands.h"
#include "Console.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    try {
        const CliOptions options = parseCommandLine(
            arguments, standardErrorIsTerminal() ? ProgressStyle::Bar : ProgressStyle::None);
        // Only the port's event loop and the program folder need the application object.
        std::optional<QCoreApplication> application;
        if (needsApplication(options)) {
            QCoreApplication::setApplicationName(QStringLiteral("tavelin"));
            application.emplace(argc, argv);
        }
        return runCommand(options);
    } catch (const CliFailure& failure) {
        QString text = QStringLiteral("tavelin-cli: ") + failure.message;
        if (failure.exitCode == ExitCode::Usage)
            text += QStringLiteral("\ntry 'tavelin-cli --help'");
        printMessage(text);
        return failure.exitCode;
    }
}
