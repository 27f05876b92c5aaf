#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include "tests/support/ErrorMatchers.h"
#include "tests/support/TestWorkstation.h"

// A fresh workstation for each test: C: (drive_c, fixed), A: (drive_a, removable floppy,
// present), B: (drive_b, removable, no medium), Z: the host root.
class WorkstationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { m_station.reset(); }

    QString root() const { return m_station->root(); }
    // The host path of something on drive C:, "a/b.txt" for C:\a\b.txt.
    QString onC(const QString& relative) const { return m_station->inRoot(QStringLiteral("drive_c/") + relative); }
    QString onA(const QString& relative) const { return m_station->inRoot(QStringLiteral("drive_a/") + relative); }

    void writeDrives(const QByteArray& drivesIni) { m_station->writeDrives(drivesIni); }
    static void writeHostFile(const QString& hostPath, const QByteArray& bytes = {})
    {
        TestWorkstation::writeHostFile(hostPath, bytes);
    }
    static QByteArray readHostFile(const QString& hostPath) { return TestWorkstation::readHostFile(hostPath); }
    static void makeHostFolder(const QString& hostPath) { TestWorkstation::makeHostFolder(hostPath); }
    // Takes the disk out of drive A: (its folder goes with its files) and puts one in (empty).
    void ejectDiskA() { m_station->ejectDisk(u'A'); }
    void insertDiskA() { m_station->insertDisk(u'A'); }
    // Makes the test's current folder the host folder given.
    void enter(const QString& hostFolder) { m_station->enter(hostFolder); }
    static QString helper(const QString& name) { return TestWorkstation::builtProgram(name); }

private:
    std::unique_ptr<TestWorkstation> m_station;
};
