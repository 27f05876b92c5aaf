#pragma once

#include <QString>
#include <QStringList>

// The runtime's directory listing and file attributes.
namespace platform::listing {

enum Attribute {
    Normal = 0,
    ReadOnly = 1,
    Hidden = 2,
    System = 4,
    Volume = 8,
    Directory = 16,
    Archive = 32,
};

// The names the runtime's Dir returns for a pattern, in order: the last component may hold the
// wildcards * and ? (matched ignoring case); a pattern ending in "\" lists the whole folder.
// Plain files always match; hidden, system and folder entries only when asked for in
// attributes. With Directory asked, "." and ".." come first for any folder but a drive root.
// Names come in case-insensitive order. Raises 76 when the folder does not exist, 52 for a
// bad name, 71 for a drive that is not ready; a pattern that matches nothing gives an empty list.
QStringList dir(const QString& pattern, int attributes = Normal);

// The attribute bits of a file or folder (GetAttr). Raises 53 when it does not exist.
int attributes(const QString& path);
// Sets read-only, hidden, system and archive (SetAttr), kept in user.DOSATTRIB where possible.
void setAttributes(const QString& path, int attributes);

} // namespace platform::listing
