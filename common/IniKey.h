#pragma once

#include <QString>

namespace common {

// A key of an INI file as the programs name it: the file (a bare name lives in the Windows
// folder), its section, the key and what a read gives when the key is absent.
struct IniKey {
    QString file;
    QString section;
    QString name;
    QString defaultValue;

    // The key with a number after its name, as the keys of a series are named ("Etichetta0").
    IniKey numbered(int number) const;
    // The same key in another file: the program's own INI file, named after the program.
    IniKey in(const QString& otherFile) const;
    IniKey defaultingTo(const QString& value) const;
};

} // namespace common
