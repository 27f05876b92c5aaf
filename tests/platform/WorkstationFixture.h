#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh workstation in a temporary folder for each test: C: (drive_c, fixed), A: (drive_a,
// removable floppy, present), B: (drive_b, removable, no medium), Z: the host root.
class WorkstationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString root() const { return m_root.path(); }
    // The host path of something on drive C:, "a/b.txt" for C:\a\b.txt.
    QString onC(const QString& relative) const;
    QString onA(const QString& relative) const;

    void writeDrives(const QByteArray& drivesIni);
    static void writeHostFile(const QString& hostPath, const QByteArray& bytes = {});
    static QByteArray readHostFile(const QString& hostPath);
    static void makeHostFolder(const QString& hostPath);
    // Makes the test's current folder the host folder given.
    void enter(const QString& hostFolder);
    static QString helper(const QString& name);

private:
    QTemporaryDir m_root;
    QString m_previousFolder;
};

// Runs a statement and gives the number of the RuntimeError it raised, 0 for none.
#define RUNTIME_ERROR_OF(statement)                                                                          \
    [&]() {                                                                                                  \
        try {                                                                                                \
            statement;                                                                                       \
        } catch (const platform::RuntimeError& error) {                                                      \
            return error.number();                                                                           \
        }                                                                                                    \
        return 0;                                                                                            \
    }()
