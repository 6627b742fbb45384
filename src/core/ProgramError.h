#pragma once

#include <QString>
#include <exception>

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
    static ProgramError inputPastEnd();
    static ProgramError typeMismatch(const QString& text);
    static ProgramError overflow(const QString& text);
    static ProgramError indexOutOfRange();
    static ProgramError invalidValue(const QString& text);

private:
    QString description_;
};
