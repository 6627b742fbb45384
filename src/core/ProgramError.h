#pragma once

#include <QString>
#include <exception>

// A message quotes at most this many characters of the input it complains about: enough to find
// the place in the file, never so much that the message box takes seconds to lay out.
constexpr qsizetype kQuotedChars = 40;

// The head of a text for a message or a list: at most maxChars characters, then "…" when some
// were left off. A surrogate pair is never cut in two.
QString textHead(const QString& text, qsizetype maxChars = kQuotedChars);

// A failure inside a guarded procedure. It carries the description that the failure report puts
// on its second line, in the user's language, like the platform's own error texts.
class ProgramError : public std::exception {
public:
    explicit ProgramError(QString description) : description_(std::move(description)) {}

    const QString& description() const { return description_; }
    const char* what() const noexcept override { return "ProgramError"; }

    static ProgramError fileNotFound(const QString& path);
    static ProgramError cannotOpen(const QString& path, const QString& reason);
    static ProgramError cannotWrite(const QString& path, const QString& reason);
    static ProgramError unencodable(const QString& character);
    static ProgramError notRegularFile(const QString& path);
    static ProgramError tooLarge(const QString& path, qint64 maxBytes);
    static ProgramError inputPastEnd();
    static ProgramError typeMismatch(const QString& text);
    static ProgramError overflow(const QString& text);
    static ProgramError indexOutOfRange();
    static ProgramError invalidValue(const QString& text);

private:
    QString description_;
};
