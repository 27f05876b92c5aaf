#include "demo/SampleCardWriter.h"

#include <array>
#include <stdexcept>

#include "automation/Variant.h"
#include "explorer/store/engine/Engine.h"

namespace demo {

namespace {

using automation::Variant;

struct Garment {
    const char* code;
    const char* name;
    bool lower; // trousers and skirts have their own pieces
};

constexpr std::array<Garment, 16> garments{{
    {"GIA", "Giacca doppiopetto", false},
    {"BLZ", "Blazer sfoderato", false},
    {"PAN", "Pantalone a sigaretta", true},
    {"PPL", "Pantalone palazzo", true},
    {"GON", "Gonna a tubino", true},
    {"GPL", "Gonna plissettata", true},
    {"CAM", "Camicia slim", false},
    {"CMT", "Camicetta con fiocco", false},
    {"CAP", "Cappotto a vestaglia", false},
    {"TRE", "Trench doppiopetto", false},
    {"ABI", "Abito chemisier", false},
    {"TAI", "Tailleur pantalone", false},
    {"GIL", "Gilet sciancrato", false},
    {"BER", "Bermuda con pinces", true},
    {"GIU", "Giubbotto in pelle", false},
    {"JNS", "Jeans cinque tasche", true},
}};

constexpr std::array<const char*, 12> colours{"Blu notte", "Nero",  "Grigio melange",  "Beige",
                                              "Panna",     "Rosso", "Verde salvia",    "Cammello",
                                              "Bordeaux",  "Ecru",  "Azzurro polvere", "Tabacco"};

constexpr std::array<const char*, 8> patterns{"tinta unita", "gessato",       "galles",   "rigato",
                                              "quadri",      "pied de poule", "fantasia", "spigato"};

struct Piece {
    const char* code;
    const char* name;
};

constexpr std::array<Piece, 20> upperPieces{{
    {"DAV", "Davanti"},       {"DIE", "Dietro"},      {"MAN", "Manica"},         {"COL", "Collo"},
    {"POL", "Polsino"},       {"TAS", "Tasca"},       {"FIA", "Fianchetto"},     {"PAR", "Paramontura"},
    {"SCO", "Sottocollo"},    {"CAR", "Carre'"},      {"SMA", "Sottomanica"},    {"PAT", "Pattina"},
    {"TSC", "Taschino"},      {"CIN", "Cintura"},     {"FDA", "Fodera davanti"}, {"FDI", "Fodera dietro"},
    {"FMA", "Fodera manica"}, {"CTA", "Controtasca"}, {"BOT", "Bottoniera"},     {"SPA", "Spacco"},
}};

constexpr std::array<Piece, 16> lowerPieces{{
    {"DAV", "Davanti"},
    {"DIE", "Dietro"},
    {"CIN", "Cinturino"},
    {"TAS", "Tasca"},
    {"CTA", "Controtasca"},
    {"FIA", "Fianchetto"},
    {"PAS", "Passante"},
    {"PAT", "Patta"},
    {"SPT", "Sottopatta"},
    {"CAR", "Carre'"},
    {"TSC", "Taschino"},
    {"PAR", "Paramontura"},
    {"FDA", "Fodera davanti"},
    {"FDI", "Fodera dietro"},
    {"SPA", "Spacco"},
    {"ORL", "Balza"},
}};

struct PieceRow {
    QString code;
    QString name;
};

// The row-th piece (from 1) of a garment; past the end of the list the pieces come round again
// with a number ("Tasca 2").
PieceRow pieceOf(const Garment& garment, int row)
{
    const auto pick = [row](const auto& pieces) {
        const std::size_t index = std::size_t(row - 1);
        const Piece& piece = pieces[index % pieces.size()];
        const std::size_t round = index / pieces.size();
        QString name = QString::fromLatin1(piece.name);
        if (round > 0)
            name += QLatin1Char(' ') + QString::number(round + 1);
        return PieceRow{QString::fromLatin1(piece.code), name};
    };
    return garment.lower ? pick(lowerPieces) : pick(upperPieces);
}

constexpr std::array<const char*, 4> materials{"Tessuto", "Fodera", "Adesivo", "Tela"};
constexpr std::array<const char*, 6> remarks{"",          "Tagliare in sbieco",  "Coppia specchiata",
                                             "Adesivare", "Rispettare il verso", "Sfilare i bordi"};

struct Fabric {
    const char* code;
    const char* name;
    const char* width;
};

constexpr std::array<Fabric, 8> fabrics{{
    {"LF120", "Lana fredda", "150"},
    {"CP045", "Cotone popeline", "145"},
    {"LI210", "Lino lavato", "140"},
    {"VI330", "Viscosa fluida", "140"},
    {"SE077", "Seta crepe", "135"},
    {"GA150", "Gabardine", "150"},
    {"VE090", "Velluto a coste", "145"},
    {"FO010", "Fodera acetato", "140"},
}};

const QString sizes = QStringLiteral("38,40,42,44,46,48,50,52");

// A small generator of its own, so the cards are the same whatever the standard library.
class Numbers {
public:
    explicit Numbers(std::uint32_t seed) : m_state(seed * 2654435761u + 1u) {}

    int between(int first, int last)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return first + int(m_state % std::uint32_t(last - first + 1));
    }

    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& choices)
    {
        return choices[std::size_t(between(0, int(N) - 1))];
    }

private:
    std::uint32_t m_state;
};

QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

void set(store::Recordset& rows, const char* field, const QString& value)
{
    rows.Fields(text(field)).SetValue(Variant(value));
}

void setNumber(store::Recordset& rows, const char* field, int value)
{
    rows.Fields(text(field)).SetValue(Variant::fromLong(value));
}

QString decimal(int hundredths)
{
    return QString::number(hundredths / 100) + QLatin1Char('.') +
           QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

SampleCardWriter::SampleCardWriter(QString collection, QString keyPrefix, std::uint32_t seed, Shape shape)
    : m_collection(std::move(collection)), m_keyPrefix(std::move(keyPrefix)), m_seed(seed), m_shape(shape)
{
    if (m_keyPrefix.size() > 8)
        throw std::invalid_argument("a card key prefix has at most 8 characters");
}

QStringList SampleCardWriter::write(const QString& archivePath, int count)
{
    Numbers numbers(m_seed);
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(archivePath);
    const QString none = QStringLiteral(" WHERE PCMTV IS NULL");
    store::Recordset headers = database.OpenRecordset(QStringLiteral("SELECT * FROM Modelli") + none);
    store::Recordset pieceRows = database.OpenRecordset(QStringLiteral("SELECT * FROM SchedaModello") + none);
    store::Recordset markerRows = database.OpenRecordset(QStringLiteral("SELECT * FROM SchedaPiazzato") + none);

    QStringList keys;
    workspace.BeginTrans();
    for (int card = 1; card <= count; ++card) {
        const Garment& garment = numbers.pick(garments);
        const QString key = m_keyPrefix + QLatin1Char('-') + text(garment.code) + QLatin1Char('-') +
                            QStringLiteral("%1").arg(card, 5, 10, QLatin1Char('0'));
        keys.append(key);
        const int baseSize = 2 * numbers.between(20, 22); // 40, 42 or 44

        headers.AddNew();
        set(headers, "PCMTV", key);
        set(headers, "DescCollezione", m_collection);
        set(headers, "DescVariante", text(numbers.pick(colours)) + QStringLiteral(", ") + text(numbers.pick(patterns)));
        set(headers, "DescCapo", text(garment.name));
        set(headers, "TagliaBase", QString::number(baseSize));
        set(headers, "GammaTaglie", sizes);
        headers.Update();

        const int pieceCount = numbers.between(m_shape.fewestPieces, m_shape.mostPieces);
        for (int row = 1; row <= pieceCount; ++row) {
            const PieceRow piece = pieceOf(garment, row);
            pieceRows.AddNew();
            set(pieceRows, "PCMTV", key);
            setNumber(pieceRows, "NumeroRiga", row);
            set(pieceRows, "SPN", text(garment.code) + piece.code + QString::number(row));
            set(pieceRows, "Descrizione", piece.name);
            setNumber(pieceRows, "Digit", numbers.between(1, 4));
            setNumber(pieceRows, "RuotaX", numbers.between(0, 1));
            set(pieceRows, "NumeroPezzo", QString::number(row));
            set(pieceRows, "Osservazioni", text(numbers.pick(remarks)));
            set(pieceRows, "ComeModello", QString());
            set(pieceRows, "Materiale", text(numbers.pick(materials)));
            pieceRows.Update();
        }

        const int markerCount = numbers.between(m_shape.fewestMarkers, m_shape.mostMarkers);
        for (int row = 1; row <= markerCount; ++row) {
            const Fabric& fabric = numbers.pick(fabrics);
            const int first = numbers.between(19, 21) * 2;
            const int quantity = numbers.between(1, 3);
            const int pieceTotal = pieceCount * 3 * quantity;
            const int consumption = numbers.between(90, 320);
            markerRows.AddNew();
            set(markerRows, "PCMTV", key);
            setNumber(markerRows, "NumeroRiga", row);
            set(markerRows, "NomePiazzato", key.right(9) + QLatin1Char('-') + QString::number(row));
            set(markerRows, "NumeroOrdine", QStringLiteral("ORD-%1").arg(numbers.between(1000, 9999)));
            set(markerRows, "Descrizione", QStringLiteral("Piazzato ") + text(fabric.name).toLower());
            set(markerRows, "Tessuto", text(fabric.name));
            set(markerRows, "CodiceTessuto", text(fabric.code));
            set(markerRows, "ChTa", QString::number(numbers.between(0, 1)));
            set(markerRows, "Altezza", text(fabric.width));
            set(markerRows, "PassoX", QString::number(numbers.between(0, 3) * 2));
            set(markerRows, "PassoY", QString::number(numbers.between(0, 3) * 2));
            set(markerRows, "LimStes", QString::number(numbers.between(40, 120)));
            set(markerRows, "Annota", QString());
            set(markerRows, "SgroSpa", QStringLiteral("0"));
            set(markerRows, "Incontri", numbers.between(0, 3) == 0 ? QStringLiteral("Si") : QStringLiteral("No"));
            set(markerRows, "NomeModel", key);
            set(markerRows, "Taglie", QStringLiteral("%1,%2,%3").arg(first).arg(first + 2).arg(first + 4));
            set(markerRows, "Quantita", QStringLiteral("%1,%2,%1").arg(quantity).arg(quantity + 1));
            set(markerRows, "Consumo", decimal(consumption * 3 * quantity));
            set(markerRows, "Utilizzo", decimal(numbers.between(7200, 8900)));
            set(markerRows, "ConsumoXTG", decimal(consumption));
            set(markerRows, "TotalePezzi", QString::number(pieceTotal));
            markerRows.Update();
        }
    }
    workspace.CommitTrans();
    headers.Close();
    pieceRows.Close();
    markerRows.Close();
    database.Close();
    workspace.Close();
    return keys;
}

} // namespace demo
