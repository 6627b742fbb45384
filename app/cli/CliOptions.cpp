#include "CliOptions.h"

#include <QSet>

#include "CliFailure.h"
#include "InterfaceLanguage.h"

namespace {

[[noreturn]] void usageError(const QString& message) { throw CliFailure{ExitCode::Usage, message}; }

struct CommandUsage {
    const char* name;
    const char* arguments;
    const char* note;
};
const CommandUsage kCommands[] = {
    {"devices", "", "the catalogue: name, size, page, control bytes"},
    {"read", "--device NAME -o FILE [--block N | --byte ADDR] [--srec-type 1|2|3]", ""},
    {"write", "--device NAME -i FILE [--verify] [--block N | --byte ADDR]", ""},
    {"verify", "--device NAME -i FILE [--block N | --byte ADDR]", ""},
    {"blank", "--device NAME [--block N | --byte ADDR]", "every byte FF?"},
    {"checksum", "--device NAME | -i FILE [--device NAME]", "CRC-32"},
    {"convert", "IN OUT [--srec-type 1|2|3]", ""},
    {"diff", "A B [--device NAME]", "exit 0 same bytes, 1 not"},
    {"help", "[COMMAND]", ""},
};

QString synopsis(const CommandUsage& c) {
    QString text = QStringLiteral("%1 %2")
                       .arg(QLatin1StringView(c.name), -8)
                       .arg(QLatin1StringView(c.arguments));
    if (*c.note) text = QStringLiteral("%1  %2").arg(text, -48).arg(QLatin1StringView(c.note));
    return text.trimmed();
}

bool isCommand(const QString& name) {
    for (const CommandUsage& c : kCommands) {
        if (name == QLatin1StringView(c.name)) return true;
    }
    return false;
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
    if (name == QStringLiteral("srec")) return FileFormat::SRecord;
    usageError(QStringLiteral("--format is text, hex, bin or srec, not \"") + name + u'"');
}

ProgressStyle progressNamed(const QString& name) {
    if (name == QStringLiteral("bar")) return ProgressStyle::Bar;
    if (name == QStringLiteral("json")) return ProgressStyle::Json;
    if (name == QStringLiteral("none")) return ProgressStyle::None;
    usageError(QStringLiteral("--progress is bar, json or none, not \"") + name + u'"');
}

int srecTypeNamed(const QString& name) {
    if (name == u'1' || name == u'2' || name == u'3') return name.toInt();
    usageError(QStringLiteral("--srec-type is 1, 2 or 3, not \"") + name + u'"');
}

QString languageNamed(const QString& name) {
    if (!interfaceLanguages().contains(name)) usageError(unknownLanguageMessage(name));
    return name;
}

using Apply = void (*)(CliOptions&, const QString& name, const QString& value);
struct OptionRule {
    const char* name;
    const char* alias;  // a short name, or nullptr
    bool takesValue;
    Apply apply;
};
const OptionRule kOptions[] = {
    {"--device", nullptr, true,
     [](CliOptions& o, const QString&, const QString& v) { o.device = v; }},
    {"--input", "-i", true, [](CliOptions& o, const QString&, const QString& v) { o.input = v; }},
    {"--output", "-o", true, [](CliOptions& o, const QString&, const QString& v) { o.output = v; }},
    {"--block", nullptr, true,
     [](CliOptions& o, const QString& n, const QString& v) { o.block = number(n, v, 10); }},
    {"--byte", nullptr, true,
     [](CliOptions& o, const QString& n, const QString& v) { o.byte = number(n, v, 16); }},
    {"--verify", nullptr, false,
     [](CliOptions& o, const QString&, const QString&) { o.verify = true; }},
    {"--port", nullptr, true, [](CliOptions& o, const QString&, const QString& v) { o.port = v; }},
    {"--baud", nullptr, true,
     [](CliOptions& o, const QString& n, const QString& v) { o.baud = number(n, v, 10); }},
    {"--settle", nullptr, true,
     [](CliOptions& o, const QString& n, const QString& v) { o.settleMs = number(n, v, 10); }},
    {"--folder", nullptr, true,
     [](CliOptions& o, const QString&, const QString& v) { o.folder = v; }},
    {"--format", nullptr, true,
     [](CliOptions& o, const QString&, const QString& v) { o.format = formatNamed(v); }},
    {"--srec-type", nullptr, true,
     [](CliOptions& o, const QString&, const QString& v) { o.srecType = srecTypeNamed(v); }},
    {"--progress", nullptr, true,
     [](CliOptions& o, const QString&, const QString& v) { o.progress = progressNamed(v); }},
    {"--lang", nullptr, true,
     [](CliOptions& o, const QString&, const QString& v) { o.language = languageNamed(v); }},
};

const OptionRule* ruleNamed(const QString& name) {
    for (const OptionRule& rule : kOptions) {
        if (name == QLatin1StringView(rule.name) ||
            (rule.alias && name == QLatin1StringView(rule.alias))) {
            return &rule;
        }
    }
    return nullptr;
}

bool isOption(const QString& argument) { return argument.startsWith(u'-') && argument.size() > 1; }

// What each command needs and allows.
void checkCommand(const CliOptions& o) {
    const QString& c = o.command;
    if (!isCommand(c)) usageError(QStringLiteral("unknown command \"") + c + u'"');
    const bool board = c == QStringLiteral("read") || c == QStringLiteral("write") ||
                       c == QStringLiteral("verify") || c == QStringLiteral("blank");
    const bool twoFiles = c == QStringLiteral("convert") || c == QStringLiteral("diff");
    if (twoFiles && o.positional.size() != 2) {
        usageError(c + (c == QStringLiteral("diff") ? QStringLiteral(" takes A and B")
                                                    : QStringLiteral(" takes IN and OUT")));
    }
    if (c == QStringLiteral("help")) {
        if (o.positional.size() > 1) usageError(QStringLiteral("help takes one COMMAND"));
        if (!o.positional.isEmpty() && !isCommand(o.positional.first())) {
            usageError(QStringLiteral("no command \"") + o.positional.first() + u'"');
        }
        return;
    }
    if (!twoFiles && !o.positional.isEmpty()) {
        usageError(QStringLiteral("not understood: ") + o.positional.last());
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
    if (o.srecType && c != QStringLiteral("read") && c != QStringLiteral("convert")) {
        usageError(QStringLiteral("--srec-type belongs to read and convert"));
    }
}

}  // namespace

CliOptions parseCommandLine(const QStringList& arguments, ProgressStyle progress) {
    CliOptions o;
    o.progress = progress;
    bool helpAsked = false;
    bool versionAsked = false;
    bool optionsEnded = false;
    QSet<const OptionRule*> given;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !isOption(argument)) {
            o.positional << argument;
            continue;
        }
        if (argument == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = argument;
        std::optional<QString> inlineValue;
        if (name.startsWith(QStringLiteral("--")) && name.contains(u'=')) {
            inlineValue = name.section(u'=', 1);
            name = name.section(u'=', 0, 0);
        }
        if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
            helpAsked = true;
            continue;
        }
        if (name == QStringLiteral("--version")) {
            versionAsked = true;
            continue;
        }
        const OptionRule* rule = ruleNamed(name);
        if (!rule) usageError(QStringLiteral("unknown option ") + name);
        if (given.contains(rule))
            usageError(QLatin1StringView(rule->name) + QStringLiteral(" given twice"));
        given.insert(rule);
        QString value;
        if (!rule->takesValue) {
            if (inlineValue) usageError(name + QStringLiteral(" takes no value"));
        } else if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            usageError(name + QStringLiteral(" needs a value"));
        }
        rule->apply(o, name, value);
    }
    if (helpAsked) {
        // "COMMAND --help" is "help COMMAND".
        o.command = QStringLiteral("help");
        if (!o.positional.isEmpty() && o.positional.first() == o.command)
            o.positional.removeFirst();
        o.positional = o.positional.mid(0, 1);
    } else if (versionAsked) {
        o.command = QStringLiteral("version");
        return o;
    } else if (o.positional.isEmpty()) {
        usageError(QStringLiteral("no command given"));
    } else {
        o.command = o.positional.takeFirst();
    }
    checkCommand(o);
    return o;
}

QString usageText(const QString& command) {
    QString text;
    if (command.isEmpty()) {
        text = QStringLiteral("usage: tavelin-cli COMMAND [options]\n");
        for (const CommandUsage& c : kCommands) text += QStringLiteral("  ") + synopsis(c) + u'\n';
    } else {
        for (const CommandUsage& c : kCommands) {
            if (command == QLatin1StringView(c.name)) {
                text = QStringLiteral("usage: tavelin-cli %1 %2\n")
                           .arg(QLatin1StringView(c.name), QLatin1StringView(c.arguments));
            }
        }
    }
    return text +
           QStringLiteral(
               "options, before or after the command, as --opt value or --opt=value; -- ends "
               "them:\n"
               "  --port N|PATH  --baud N  --settle MS  --folder DIR  --format text|hex|bin|srec\n"
               "  --progress=bar|json|none  --lang %1  --version  --help\n"
               "N and MS are decimal, ADDR hexadecimal; -o - writes to standard output. The "
               "format\n"
               "follows the file name (.txt text, .hex HEX, .s19 .s28 .s37 .srec .mot S-records,\n"
               "anything else binary) unless --format names it; for convert it names OUT's.\n"
               "--srec-type defaults to the type .s19, .s28 or .s37 names, else to the smallest\n"
               "that holds the addresses. --settle waits after opening the port, for boards that\n"
               "reset. --lang is the language of the messages; by default the system's, where it\n"
               "is one of them, else English.\n"
               "exit: 0 done, 1 differences or not blank, 2 usage, 3 port cannot be opened,\n"
               "      4 board did not answer or answered wrongly, 5 file cannot be read or "
               "written")
               .arg(interfaceLanguages().join(u'|'));
}
