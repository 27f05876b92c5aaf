#pragma once

#include <array>

#include <QLatin1String>

// The card CSV file: line 1 the signature, line 2 the source archive, line 3 the model row, then
// the piece section ("Scheda Modello",N and N rows) and the marker section ("Scheda Piazzato",M
// and M rows). Each column with the number of characters the import keeps of it.
namespace transfer::cardCsv {

inline constexpr QLatin1String Signature("Tramex Scheda");
inline constexpr QLatin1String PieceSection("Scheda Modello");
inline constexpr QLatin1String MarkerSection("Scheda Piazzato");

// A width for columns the import keeps whole.
inline constexpr int Unlimited = -1;

struct Column {
    QLatin1String name;
    int width;
};

inline constexpr std::array<Column, 6> ModelColumns{{
    {QLatin1String("PCMTV"), 20},
    {QLatin1String("DescCollezione"), 30},
    {QLatin1String("DescCapo"), 30},
    {QLatin1String("DescVariante"), 30},
    {QLatin1String("TagliaBase"), 3},
    {QLatin1String("GammaTaglie"), 100},
}};

// Digit and RuotaX are numbers: written as text, empty for 0 and Null, read back as numbers.
inline constexpr std::array<Column, 8> PieceColumns{{
    {QLatin1String("SPN"), 20},
    {QLatin1String("Descrizione"), 25},
    {QLatin1String("Digit"), Unlimited},
    {QLatin1String("RuotaX"), Unlimited},
    {QLatin1String("NumeroPezzo"), 20},
    {QLatin1String("Osservazioni"), 35},
    {QLatin1String("ComeModello"), 20},
    {QLatin1String("Materiale"), 20},
}};

inline constexpr std::array<Column, 20> MarkerColumns{{
    {QLatin1String("NomePiazzato"), 20}, {QLatin1String("NumeroOrdine"), 20},  {QLatin1String("Descrizione"), 25},
    {QLatin1String("Tessuto"), 20},      {QLatin1String("CodiceTessuto"), 20}, {QLatin1String("ChTa"), 20},
    {QLatin1String("Altezza"), 20},      {QLatin1String("PassoX"), 20},        {QLatin1String("PassoY"), 20},
    {QLatin1String("LimStes"), 20},      {QLatin1String("Annota"), 20},        {QLatin1String("SgroSpa"), 20},
    {QLatin1String("Incontri"), 20},     {QLatin1String("NomeModel"), 20},     {QLatin1String("Taglie"), 50},
    {QLatin1String("Quantita"), 50},     {QLatin1String("Consumo"), 20},       {QLatin1String("Utilizzo"), 20},
    {QLatin1String("ConsumoXTG"), 20},   {QLatin1String("TotalePezzi"), 10},
}};

bool isPieceCount(QLatin1String column);

} // namespace transfer::cardCsv
