#include "CliOptions.h"

#include "CliFailure.h"

namespace {

[[noreturn]] void usageError(const QString& message) {
    throw CliFailure{ExitCode::Usage, message + QStringLiteral("\n") + usageText()};
}

int32_t number(const QString& option, const QString& text, int base) {
    bool ok = false;
    QString digits = text;
    if (base == 16 && digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
    }
    const qlonglong value = digits.toLongLong(&ok, base);
    if (!ok || value < 0 || value > INT32_MAX) {
        usageError(option + QStringLiteral(" takes a ") +
                   (base == 16 ? QStringLiteral("hexadecimal") : QStringLiteral("decimal")) +
                   QStringLiteral(" number, not \"") + text + u'"');
    }
    return static_cast<int32_t>(value);
}

FileFormat formatNamed(const QString& name) {
    if (name == QStringLiteral("text")) return FileFormat::Text;
    if (name == QStringLiteral("hex")) return FileFormat::Hex;
    if (name == QStringLiteral("bin")) return FileFormat::Binary;
    usageError(QStringLiteral("--format is text, hex or bin, not \"") + name + u'"');
}

ProgressStyle progressNamed(const QString& name) {
    if (name == QStringLiteral("bar")) return ProgressStyle::Bar;
    if (name == QStringLiteral("json")) return ProgressStyle::Json;
    if (name == QStringLiteral("none")) return ProgressStyle::None;
    usageError(QStringLiteral("--progress is bar, json or none, not \"") + name + u'"');
}

// What each command needs and allows.
void checkCommand(const CliOptions& o) {
    const QString& c = o.command;
    const bool board = c == QStringLiteral("read") || c == QStringLiteral("write") ||
                       c == QStringLiteral("verify") || c == QStringLiteral("blank");
    const bool known = board || c == QStringLiteral("devices") ||
                       c == QStringLiteral("checksum") || c == QStringLiteral("convert");
    if (!known) usageError(QStringLiteral("unknown command \"") + c + u'"');
    if (c == QStringLiteral("convert")) {
        if (o.positional.size() != 2) usageError(QStringLiteral("convert takes IN and OUT"));
        return;
    }
    if (!o.positional.isEmpty()) {
        usageError(QStringLiteral("not understood: ") + o.positional.first());
    }
    if (board && o.device.isEmpty()) usageError(c + QStringLiteral(" needs --device NAME"));
    if (c == QStringLiteral("checksum") && o.device.isEmpty() && o.input.isEmpty()) {
        usageError(QStringLiteral("checksum needs --device NAME or -i FILE"));
    }
    if (c == QStringLiteral("read") && o.output.isEmpty()) {
        usageError(QStringLiteral("read needs -o FILE"));
    }
    if ((c == QStringLiteral("write") || c == QStringLiteral("verify")) && o.input.isEmpty()) {
        usageError(c + QStringLiteral(" needs -i FILE"));
    }
    if (o.block && o.byte) usageError(QStringLiteral("--block and --byte exclude each other"));
    if (o.verify && c != QStringLiteral("write")) {
        usageError(QStringLiteral("--verify belongs to write"));
    }
}

}  // namespace

CliOptions parseCommandLine(const QStringList& arguments, ProgressStyle progress) {
    CliOptions o;
    o.progress = progress;
    if (arguments.isEmpty()) usageError(QStringLiteral("no command given"));
    o.command = arguments.first();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments[i];
        std::optional<QString> inlineValue;
        if (name.startsWith(QStringLiteral("--")) && name.contains(u'=')) {
            inlineValue = name.section(u'=', 1);
            name = name.section(u'=', 0, 0);
        }
        const auto value = [&]() -> QString {
            if (inlineValue) return *inlineValue;
            if (i + 1 >= arguments.size()) usageError(name + QStringLiteral(" needs a value"));
            return arguments[++i];
        };
        if (name == QStringLiteral("--device")) {
            o.device = value();
        } else if (name == QStringLiteral("-i") || name == QStringLiteral("--input")) {
            o.input = value();
        } else if (name == QStringLiteral("-o") || name == QStringLiteral("--output")) {
            o.output = value();
        } else if (name == QStringLiteral("--block")) {
            o.block = number(name, value(), 10);
        } else if (name == QStringLiteral("--byte")) {
            o.byte = number(name, value(), 16);
        } else if (name == QStringLiteral("--verify") && !inlineValue) {
            o.verify = true;
        } else if (name == QStringLiteral("--port")) {
            o.port = value();
        } else if (name == QStringLiteral("--baud")) {
            o.baud = number(name, value(), 10);
        } else if (name == QStringLiteral("--folder")) {
            o.folder = value();
        } else if (name == QStringLiteral("--format")) {
            o.format = formatNamed(value());
        } else if (name == QStringLiteral("--progress")) {
            o.progress = progressNamed(value());
        } else if (name.startsWith(u'-') && name.size() > 1) {
            usageError(QStringLiteral("unknown option ") + arguments[i]);
        } else {
            o.positional << name;
        }
    }
    checkCommand(o);
    return o;
}

QString usageText() {
    return QStringLiteral(
        "usage: tavelin-cli COMMAND [options]\n"
        "  devices                                   the catalogue: name, size, page, control "
        "bytes\n"
        "  read     --device NAME -o FILE [--block N | --byte ADDR]\n"
        "  write    --device NAME -i FILE [--verify] [--block N | --byte ADDR]\n"
        "  verify   --device NAME -i FILE [--block N | --byte ADDR]\n"
        "  blank    --device NAME [--block N | --byte ADDR]\n"
        "  checksum --device NAME | -i FILE [--device NAME]\n"
        "  convert  IN OUT\n"
        "options: --port N|PATH  --baud N  --folder DIR  --format text|hex|bin\n"
        "         --progress=bar|json|none   (-o - writes to standard output)\n"
        "N is decimal, ADDR hexadecimal. The format follows the file name (.txt text, .hex HEX,\n"
        "anything else binary) unless --format names it.\n"
        "exit: 0 done, 1 differences or not blank, 2 usage, 3 port cannot be opened,\n"
        "      4 board did not answer or answered wrongly, 5 file cannot be read or written");
}
