#pragma once

#include <QString>

namespace common {
struct IniKey;
}

// The programs' INI access, always through the utility object's GetPrivateProfileString and
// WritePrivateProfileString. File names are passed as given: a bare name lives in the Windows folder.
namespace common::settings {

QString read(const QString& section, const QString& key, const QString& defaultValue, const QString& file);
// The value read as the runtime's Val reads numbers. A stored number Val cannot give (beyond a
// Double) counts as missing: the default's value.
double readNumber(const QString& section, const QString& key, const QString& defaultValue, const QString& file);
// The same for a number kept in a Single: one beyond a Single's range counts as missing too.
float readSingle(const QString& section, const QString& key, const QString& defaultValue, const QString& file);
bool write(const QString& section, const QString& key, const QString& value, const QString& file);

QString read(const IniKey& key);
double readNumber(const IniKey& key);
bool write(const IniKey& key, const QString& value);

} // namespace common::settings
