#pragma once

#include <cstdint>

#include <QString>

// The platform's private-profile (INI file) calls, with their rules: a file name without a full
// path lives in the Windows folder; sections and keys match ignoring case; the first match wins;
// values are trimmed and lose one pair of surrounding quotes. A null QString stands for the
// platform's NULL pointer argument (list all sections or keys; delete a key or a section).
namespace platform::profile {

// Copies the value (or the default, trailing blanks removed) into buffer and returns the
// number of characters copied without the terminating NUL; size - 1 when the value did not fit
// (size - 2 in the list modes).
std::uint32_t getPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                      char16_t* buffer, std::uint32_t size, const QString& fileName);

// Writes "key=value" keeping the rest of the file, a new key at the end of its section, a new
// section at the end of the file; CR LF; Windows-1252 on disk. Atomic against other writers.
bool writePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& fileName);

// Convenience for the suite's own code: the whole value, however long.
QString readString(const QString& section, const QString& key, const QString& defaultValue, const QString& fileName);

} // namespace platform::profile
