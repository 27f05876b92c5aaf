#include "explorer/store/CardArchiveSchema.h"

#include "explorer/store/engine/DatabaseFile.h"

namespace store {

namespace {

ColumnDefinition text(const char* name, int length)
{
    return {QString::fromLatin1(name), dbText, length};
}

ColumnDefinition whole(const char* name)
{
    return {QString::fromLatin1(name), dbLong, 0};
}

} // namespace

QList<TableDefinition> CardArchiveSchema::tables()
{
    const QStringList byKey{QStringLiteral("PCMTV")};
    return {
        {QStringLiteral("Modelli"),
         {text("PCMTV", 20), text("DescCollezione", 30), text("DescVariante", 30), text("DescCapo", 30),
          text("TagliaBase", 3), text("GammaTaglie", 100)},
         byKey},
        {QStringLiteral("SchedaModello"),
         {text("PCMTV", 20), whole("NumeroRiga"), text("SPN", 20), text("Descrizione", 25), whole("Digit"),
          whole("RuotaX"), text("NumeroPezzo", 20), text("Osservazioni", 35), text("ComeModello", 20),
          text("Materiale", 20)},
         byKey},
        {QStringLiteral("SchedaPiazzato"),
         {text("PCMTV", 20),       whole("NumeroRiga"),    text("NomePiazzato", 20),  text("NumeroOrdine", 20),
          text("Descrizione", 25), text("Tessuto", 20),    text("CodiceTessuto", 20), text("ChTa", 20),
          text("Altezza", 20),     text("PassoX", 20),     text("PassoY", 20),        text("LimStes", 20),
          text("Annota", 20),      text("SgroSpa", 20),    text("Incontri", 20),      text("NomeModel", 20),
          text("Taglie", 50),      text("Quantita", 50),   text("Consumo", 20),       text("Utilizzo", 20),
          text("ConsumoXTG", 20),  text("TotalePezzi", 10)},
         byKey},
    };
}

void CardArchiveSchema::createEmpty(const QString& windowsPath)
{
    DatabaseFile::create(windowsPath, tables());
}

} // namespace store
