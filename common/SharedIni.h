#pragma once

#include "common/IniKey.h"

// The INI files the programs share, with their sections, keys and defaults. Every program reads
// and writes them through this table, the demo workstation and the invoicing stand-in included.
namespace common::sharedIni {

inline const QString HardConfig = QStringLiteral("TramexHardConfig.ini");
inline const QString CadConfig = QStringLiteral("TramexCADConfig.ini");
inline const QString Tramex = QStringLiteral("Tramex.ini");
// The explorer's own file, as the other programs find it; the explorer names it after itself.
inline const QString Explorer = QStringLiteral("Schedex.ini");

// Where the installation keeps the card archives and its configuration: folders ending with "\".
// The explorer's own file may name another archive folder under the same key.
inline const IniKey DatabaseFolder{HardConfig, QStringLiteral("Generale"), QStringLiteral("TxtPathDatabase"), {}};
inline const IniKey ConfigFolder{HardConfig, QStringLiteral("Generale"), QStringLiteral("TxtPathTramexCFG"), {}};
// The print templates of model cards and of marker cards: full file paths.
inline const IniKey ModelCardTemplate{
    HardConfig, QStringLiteral("Stampe"), QStringLiteral("TxtFilePSSchedaModello"), {}};
inline const IniKey MarkerCardTemplate{
    HardConfig, QStringLiteral("Stampe"), QStringLiteral("TxtFilePSSchedaPiazzato"), {}};

// "1" when a pattern CAD system is in use; then the numbered key 0, 1 or 2 set to "1" tells which
// (Accumark, Investronica, Lectra).
inline const IniKey UsesCadSystem{CadConfig, QStringLiteral("Impostazioni"), QStringLiteral("Usa sistema CAD"), {}};
inline const IniKey InstalledCadSystem{
    CadConfig, QStringLiteral("Impostazioni"), QStringLiteral("Sistema Installato_"), {}};

// The captions of the card columns, numbered from 0.
inline const IniKey CardCaption{Tramex, QStringLiteral("Scheda"), QStringLiteral("Etichetta"), {}};
// The archive the explorer last handed to the invoicing program.
inline const IniKey CurrentArchive{Tramex, QStringLiteral("Impostazioni"), QStringLiteral("Database corrente"), {}};

// The explorer's list colours and the pause after each card handed to the invoicing program.
inline const IniKey ArchiveListColour{Explorer, QStringLiteral("Database"), QStringLiteral("CmbColoreFinestraDB"),
                                      QStringLiteral("Rosso")};
inline const IniKey CardListColour{Explorer, QStringLiteral("Modelli"), QStringLiteral("CmbColoreFinestraModelli"),
                                   QStringLiteral("Giallo")};
inline const IniKey HandOffDelay{Explorer, QStringLiteral("Configurazione"), QStringLiteral("Ritardo"),
                                 QStringLiteral("1000")};

} // namespace common::sharedIni
