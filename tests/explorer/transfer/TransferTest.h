#pragma once

#include <gtest/gtest.h>

#include "tests/explorer/transfer/TransferWorkstation.h"
#include "tests/support/CardArchives.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/Printers.h"

// A test in a fresh TransferWorkstation, the archive PROVA open in the explorer.
class TransferTest : public ::testing::Test {
protected:
    using Variant = automation::Variant;

    static QString prova() { return CardArchives::path(QStringLiteral("PROVA")); }

    // A Modelli row: key, collection, variant, garment, base size, sizes.
    static void addModel(const QString& archive, const QString& key, const Variant& collection = QString(),
                         const Variant& variant = QString(), const Variant& garment = QString(),
                         const Variant& baseSize = QStringLiteral("42"),
                         const Variant& sizes = QStringLiteral("40,42,44"));
    // A SchedaModello row with the given NumeroRiga, SPN, Digit and RuotaX; the other texts empty.
    static void addPiece(const QString& archive, const QString& key, int row, const QString& spn,
                         const Variant& digit = Variant::fromLong(0), const Variant& ruotaX = Variant::fromLong(0));
    // The card's pieces as "NumeroRiga|SPN|Descrizione|Digit|RuotaX|NumeroPezzo|Osservazioni|ComeModello|Materiale".
    static QStringList piecesOf(const QString& archive, const QString& key);

    TransferWorkstation m_world{&ScriptedSeams::failGoogleTest};
};
