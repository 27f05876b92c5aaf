#pragma once

#include <optional>

#include <QString>

// The Windows attribute bits of host files. Directory comes from the file type; read-only,
// hidden, system and archive are kept in the extended attribute user.DOSATTRIB as the text
// "0x%x" (as Samba stores it). Names starting with "." count as hidden, files without write
// permission as read-only, and entries that are neither files nor folders as system.
namespace platform::dosAttributes {

// The attribute bits of an existing entry; nothing when it does not exist.
std::optional<int> read(const QString& hostPath);

// Stores read-only, hidden, system and archive; read-only also clears or restores write
// permission. Where the file system keeps no extended attributes only read-only is kept.
// Raises 53 when the entry does not exist, 75 when the attributes may not be changed.
void write(const QString& hostPath, int attributes);

// Whether the file system of an existing entry keeps user.DOSATTRIB.
bool extendedAttributesSupported(const QString& hostPath);

} // namespace platform::dosAttributes
