#pragma once

#include <memory>

#include <QStringList>

#include <gtest/gtest.h>

#include "explorer/store/engine/Engine.h"
#include "tests/support/CardArchives.h"
#include "tests/support/ErrorMatchers.h"
#include "tests/support/LockHolder.h"
#include "tests/support/Printers.h"
#include "tests/support/TestWorkstation.h"

// A database test on a fresh workstation (the default layout, or the one a fixture above gives)
// with the folder C:\Schede\ made, and the card archives there at hand.
class StoreTest : public ::testing::Test {
protected:
    StoreTest();
    explicit StoreTest(std::unique_ptr<TestWorkstation> station);

    static inline const QString& folder = CardArchives::folder;

    QString root() const { return m_station->root(); }
    static QString hostPath(const QString& windowsPath) { return TestWorkstation::hostPath(windowsPath); }
    static QString path(const QString& name) { return CardArchives::path(name); }
    static QString cardArchive(const QString& name) { return CardArchives::create(name); }
    // A card: its Modelli row and `pieces` SchedaModello rows numbered from 1, each with Digit = row number.
    static void addCard(const QString& archivePath, const QString& key, int pieces = 0);
    static QStringList values(const QString& archivePath, const QString& select)
    {
        return CardArchives::values(archivePath, select);
    }
    static void execute(const QString& archivePath, const QString& statement)
    {
        CardArchives::execute(archivePath, statement);
    }
    static QString stored(const QString& archivePath, const QString& select)
    {
        return CardArchives::stored(archivePath, select);
    }
    static QString integrityOf(const QString& archivePath) { return CardArchives::integrityOf(archivePath); }
    static void executePastTheEngine(const QString& archivePath, const QString& sql)
    {
        EXPECT_TRUE(CardArchives::executePastTheEngine(archivePath, sql)) << sql.toStdString();
    }

    static store::Workspace workspace() { return store::Engine::instance().CreateWorkspace(); }
    static std::unique_ptr<LockHolder> holder(const QString& windowsPath, const QString& mode)
    {
        return std::make_unique<LockHolder>(windowsPath, mode);
    }

    std::unique_ptr<TestWorkstation> m_station;
};
