#include "tests/explorer/transfer/TransferTest.h"

#include "explorer/store/engine/SqlText.h"

void TransferTest::addModel(const QString& archive, const QString& key, const Variant& collection,
                            const Variant& variant, const Variant& garment, const Variant& baseSize,
                            const Variant& sizes)
{
    CardArchives::addRow(archive, QStringLiteral("Modelli"),
                         {{QStringLiteral("PCMTV"), key},
                          {QStringLiteral("DescCollezione"), collection},
                          {QStringLiteral("DescVariante"), variant},
                          {QStringLiteral("DescCapo"), garment},
                          {QStringLiteral("TagliaBase"), baseSize},
                          {QStringLiteral("GammaTaglie"), sizes}});
}

void TransferTest::addPiece(const QString& archive, const QString& key, int row, const QString& spn,
                            const Variant& digit, const Variant& ruotaX)
{
    CardArchives::addRow(archive, QStringLiteral("SchedaModello"),
                         {{QStringLiteral("PCMTV"), key},
                          {QStringLiteral("NumeroRiga"), Variant::fromLong(row)},
                          {QStringLiteral("SPN"), spn},
                          {QStringLiteral("Descrizione"), QString()},
                          {QStringLiteral("Digit"), digit},
                          {QStringLiteral("RuotaX"), ruotaX},
                          {QStringLiteral("NumeroPezzo"), QString()},
                          {QStringLiteral("Osservazioni"), QString()},
                          {QStringLiteral("ComeModello"), QString()},
                          {QStringLiteral("Materiale"), QString()}});
}

QStringList TransferTest::piecesOf(const QString& archive, const QString& key)
{
    return CardArchives::rows(
        archive, QStringLiteral("Select * from SchedaModello WHERE PCMTV = ") + store::sqlText(key),
        {QStringLiteral("NumeroRiga"), QStringLiteral("SPN"), QStringLiteral("Descrizione"), QStringLiteral("Digit"),
         QStringLiteral("RuotaX"), QStringLiteral("NumeroPezzo"), QStringLiteral("Osservazioni"),
         QStringLiteral("ComeModello"), QStringLiteral("Materiale")});
}
