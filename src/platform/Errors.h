#pragma once

#include <QString>
#include <exception>

namespace platform {

// The one exception type of the program: a text the top-level report shows.
class Error : public std::exception {
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Raised by the database layer; carries the engine's own message.
class DbError : public Error {
public:
    using Error::Error;
};

// Raised when the ID of "no selection" is read from a list or combo box.
class ListIndexError : public Error {
public:
    explicit ListIndexError(int index)
        : Error(QStringLiteral("List index out of bounds (%1)").arg(index)) {}
};

// Raised when a text cannot be read as a date or number.
class ConvertError : public Error {
public:
    using Error::Error;
};

} // namespace platform
