#pragma once

#include <optional>

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "automation/Variant.h"

// Card archives for tests in the folder C:\Schede\, written and read through the engine, or past
// it as another program would.
class CardArchives {
public:
    static const QString folder; // "C:\Schede\"

    // A Modelli row.
    struct Card {
        QString key;
        // DescCollezione, DescVariante, DescCapo, TagliaBase, GammaTaglie; nullopt stores Null.
        QList<std::optional<QString>> fields;
    };
    // A card whose descriptions are made from its key: "Collezione K", "Variante K", "Capo K",
    // base size "42", sizes "38,40,42".
    static Card card(const QString& key);

    // C:\Schede\<name>.mdb
    static QString path(const QString& name) { return folder + name + QStringLiteral(".mdb"); }
    // A new card archive C:\Schede\<name>.mdb holding these cards; its path.
    static QString create(const QString& name, const QList<Card>& cards = {});
    // The same under a file name with its extension, as given.
    static void createFile(const QString& fileName, const QList<Card>& cards = {});
    // A new card archive holding cards made from these keys.
    static QString createWithKeys(const QString& name, const QStringList& keys);

    using Row = QList<QPair<QString, automation::Variant>>;
    static void addRow(const QString& archivePath, const QString& table, const Row& row);

    // The rows a select returns, each as its columns' values joined by "|" (Null as "<Null>").
    static QStringList rows(const QString& archivePath, const QString& select, const QStringList& columns);
    // The first column of a select as the runtime shows values ("Null" for Null).
    static QStringList values(const QString& archivePath, const QString& select);
    // PCMTV of every row of the table, sorted.
    static QStringList keysIn(const QString& archivePath, const QString& table);
    static void execute(const QString& archivePath, const QString& statement);

    // A value as SQLite stores it, read past the engine ("NULL", "integer:-1", "text:abc", ...).
    static QString stored(const QString& archivePath, const QString& select);
    static QString integrityOf(const QString& archivePath);
    // Runs SQL past the engine, as another program would; false when SQLite refused it.
    static bool executePastTheEngine(const QString& archivePath, const QString& sql);
};
