#pragma once

#include <exception>

#include <QByteArray>
#include <QString>

namespace platform {

// The runtime's numbered error (5, 6, 13, 52, 53, 75, 76, 429, 3021, ...), the one error type
// every layer raises and every caller traps.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

    // The runtime's usual English description of a numbered error; "Application-defined or
    // object-defined error" for numbers it does not know.
    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

} // namespace platform
