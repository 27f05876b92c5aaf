#pragma once

#include <array>

#include <QLatin1String>
#include <QString>

// What the card operations know of a card archive: a card is one row of Modelli plus its rows
// of SchedaModello (pieces) and SchedaPiazzato (markers), joined by PCMTV. The columns and their
// types are CardArchiveSchema's.
namespace store::cardSchema {

inline constexpr QLatin1String Modelli("Modelli");
inline constexpr QLatin1String SchedaModello("SchedaModello");
inline constexpr QLatin1String SchedaPiazzato("SchedaPiazzato");
// The order in which every operation moves or deletes a card, table by table.
inline constexpr std::array<QLatin1String, 3> CardTables{Modelli, SchedaModello, SchedaPiazzato};

// The header a card gets when an import creates it.
inline constexpr QLatin1String DefaultTagliaBase("42");
inline constexpr QLatin1String DefaultGammaTaglie("38,40,42,44,46,48,50,52");

// "WHERE PCMTV = 'key'": the condition that selects one card's rows.
QString cardCondition(const QString& key);

// "DELETE * FROM table WHERE PCMTV = 'key'".
QString deleteCardRows(QLatin1String table, const QString& key);

// "Select * from Modelli WHERE PCMTV = 'key'".
QString selectCardHeader(const QString& key);

} // namespace store::cardSchema
