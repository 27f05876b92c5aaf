#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the workstation's ANSI code page.
namespace platform::codepage {

QString toUnicode(const QByteArray& ansi);
// Characters outside the code page become "?".
QByteArray fromUnicode(const QString& text);
// Whether every character of the text has its byte in the code page.
bool holds(const QString& text);

} // namespace platform::codepage
