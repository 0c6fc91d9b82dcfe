#pragma once

#include <QString>
#include <stdexcept>

// A file the program needed could not be read or written. The message is the
// one the user sees: it names the file and says what went wrong.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& Message)
        : std::runtime_error(Message.toStdString()), m_message(Message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// An installation data file ("Use Files/...") is missing or unusable.
class DataFileError : public FileError {
public:
    using FileError::FileError;
};

// A palette file (".icp") could not be read or written.
class PaletteFileError : public FileError {
public:
    using FileError::FileError;
};
