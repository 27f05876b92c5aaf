#pragma once

#include <QString>

#include "common/IniKey.h"

// Salvix's own INI file, named after the program ("Salvix.ini" for the program Salvix) and kept in
// the Windows folder, and the description of a backup set, a file of the same name in the set's
// folder. Both keep their keys in the section named after the program.
namespace backup::salvixIni {

QString fileName();

// The last folder saved to or restored from.
common::IniKey SorgenteDestin();
// "1" or "0": the state of the boxes of the same names.
common::IniKey IncludiDatabase();
common::IniKey IncludiImpostazioni();
common::IniKey EliminaFile();
common::IniKey FormattaDisco();
// Whether a card archive ("UOMO.mdb", as listed) is selected for saving: "1" or "0".
common::IniKey DatabaseDaSalvare(const QString& listEntry);

// The description file of a backup set in `folder` (ending in "\").
QString descriptionFile(const QString& folder);
// The file written to disk n of the set ("Salvix.zip" or "Salvix.zip.n.spf").
common::IniKey File(const QString& folder, int disk);
// When the set was saved, "dd-mm-yyyy hh:mm".
common::IniKey DataOraSalvataggio(const QString& folder);
// How many disks the set takes.
common::IniKey TotaleFile(const QString& folder);

} // namespace backup::salvixIni
