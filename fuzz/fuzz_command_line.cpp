// tavelin-cli's argument parser on arbitrary argument lists: the input split at NUL bytes, each
// piece UTF-8. Every outcome is options or a usage failure.

#include <QByteArray>
#include <QStringList>

#include "CliFailure.h"
#include "CliOptions.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    QStringList arguments;
    for (const QByteArray& piece :
         QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0')) {
        arguments.append(QString::fromUtf8(piece));
    }
    try {
        const CliOptions options = parseCommandLine(arguments, ProgressStyle::Bar);
        if (options.srecType && (*options.srecType < 1 || *options.srecType > 3)) breach("an S-record type outside 1 to 3");
        usageText(options.command == QStringLiteral("help") && !options.positional.isEmpty()
                      ? options.positional.first()
                      : options.command);
    } catch (const CliFailure& failure) {
        if (failure.exitCode != ExitCode::Usage || failure.message.isEmpty())
            breach("a failure that is no usage message");
    }
    return 0;
}
