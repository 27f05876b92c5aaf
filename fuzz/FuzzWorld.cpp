#include "fuzz/FuzzWorld.h"

#include <stdexcept>

#include <QFile>

#include "common/Utility.h"
#include "tests/support/CardArchives.h"

namespace fuzz {

namespace {

using automation::Variant;

const char drivesIni[] = "[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                         "[Drive D]\r\nPath=drive_d\r\nType=fixed\r\n"
                         "[Drive E]\r\nPath=drive_e\r\nType=removable\r\n"
                         "[Drive Z]\r\nPath=/\r\nType=fixed\r\n"
                         "[System]\r\nWindowsDir=C:\\WINDOWS\r\nUserName=sarta\r\nComputerName=MODELLERIA\r\n";

void noScript(const QString& failure)
{
    throw std::logic_error(failure.toStdString());
}

void addPiece(const QString& key, int row)
{
    CardArchives::addRow(FuzzWorld::archive, QStringLiteral("SchedaModello"),
                         {{QStringLiteral("PCMTV"), key},
                          {QStringLiteral("NumeroRiga"), Variant::fromLong(row)},
                          {QStringLiteral("SPN"), QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0'))},
                          {QStringLiteral("Digit"), Variant::fromLong(row)}});
}

} // namespace

const QString FuzzWorld::archive = QStringLiteral("C:\\Schede\\PROVA.mdb");
const QString FuzzWorld::importFolder = QStringLiteral("C:\\Import\\");

FuzzWorld& FuzzWorld::instance()
{
    static FuzzWorld world;
    return world;
}

FuzzWorld::FuzzWorld() : ExplorerWorkstation(&noScript, QByteArray(drivesIni))
{
    installation.setPrompter(answers);
    // The process's utility object, made before the world is whole, outlives it at exit, when the
    // world lets go of it.
    common::utility();
    makeFolder(importFolder);
    makeFolder(QStringLiteral("D:\\Dati"));
    writeFile(QStringLiteral("C:\\Programmi\\Strumento.exe"), "#!/bin/sh\n");
    writeFile(QStringLiteral("C:\\Programmi\\Con Spazi\\Altro.exe"), "#!/bin/sh\n");
    writeFile(QStringLiteral("C:\\Tramex\\Prog"), "#!/bin/sh\n");
    CardArchives::create(QStringLiteral("PROVA"),
                         {CardArchives::card(QStringLiteral("K0")), CardArchives::card(QStringLiteral("L1"))});
    for (int row = 1; row <= 3; ++row) {
        addPiece(QStringLiteral("K0"), row);
        addPiece(QStringLiteral("L1"), row);
    }
    CardArchives::addRow(archive, QStringLiteral("SchedaPiazzato"),
                         {{QStringLiteral("PCMTV"), QStringLiteral("K0")},
                          {QStringLiteral("NumeroRiga"), QStringLiteral("1")},
                          {QStringLiteral("NomePiazzato"), QStringLiteral("P1")}});
    store::explorerState().CurrentArchive = QStringLiteral("PROVA");
    m_pristineArchive = readFile(archive);
}

QString FuzzWorld::archiveHostPath() const
{
    return hostPath(archive);
}

void FuzzWorld::restoreArchive() const
{
    const QString path = archiveHostPath();
    QFile::remove(path + QStringLiteral("-journal"));
    writeHostFile(path, m_pristineArchive);
}

} // namespace fuzz
