#include "explorer/transfer/AccumarkAreas.h"

#include "platform/Listing.h"
#include "tests/explorer/transfer/TransferTest.h"

namespace {

using platform::listing::Archive;
using platform::listing::Hidden;
using platform::listing::ReadOnly;
using platform::listing::System;

class AccumarkAreasTest : public TransferTest {
protected:
    static void makeArea(const QString& folder, int attributes = 0)
    {
        TransferWorkstation::makeFolder(folder);
        if (attributes != 0)
            platform::listing::setAttributes(folder, attributes);
    }

    // D: two plain areas among folders carrying further attributes and a file; G: one area;
    // F: a storage folder without areas; E: a removable drive with no medium.
    static void layOutStorage()
    {
        makeArea(QStringLiteral("D:\\userroot\\storage\\AREA1"));
        makeArea(QStringLiteral("D:\\userroot\\storage\\Archiviata"), Archive);
        makeArea(QStringLiteral("D:\\userroot\\storage\\area2"));
        makeArea(QStringLiteral("D:\\userroot\\storage\\Nascosta"), Hidden);
        makeArea(QStringLiteral("D:\\userroot\\storage\\.punto"));
        makeArea(QStringLiteral("D:\\userroot\\storage\\SolaLettura"), ReadOnly);
        makeArea(QStringLiteral("D:\\userroot\\storage\\Sistema"), System);
        TransferWorkstation::writeFile(QStringLiteral("D:\\userroot\\storage\\leggimi.txt"), "area");
        makeArea(QStringLiteral("G:\\userroot\\storage\\PROVA"));
        TransferWorkstation::makeFolder(QStringLiteral("F:\\userroot\\storage"));
    }
};

TEST_F(AccumarkAreasTest, ADiskListsOnlyItsPlainFoldersInListingOrder)
{
    layOutStorage();
    EXPECT_EQ(transfer::ListaAreeAccumarkByDisk(QStringLiteral("D:\\")), QStringList({"AREA1", "area2"}));
    EXPECT_TRUE(transfer::ListaAreeAccumarkByDisk(QStringLiteral("F:\\")).isEmpty());
    EXPECT_TRUE(transfer::ListaAreeAccumarkByDisk(QStringLiteral("C:\\")).isEmpty());
    EXPECT_TRUE(transfer::ListaAreeAccumarkByDisk(QStringLiteral("E:\\")).isEmpty());
}

TEST_F(AccumarkAreasTest, TheNetworkListsTheFoldersOfTheStorageDirectory)
{
    makeArea(QStringLiteral("C:\\userroot\\system\\state\\stordir\\RETE1"));
    makeArea(QStringLiteral("C:\\userroot\\system\\state\\stordir\\RETE2"));
    EXPECT_EQ(transfer::ListaAreeAccumarkByDisk(QStringLiteral("Network")), QStringList({"RETE1", "RETE2"}));
    EXPECT_EQ(transfer::GetAccumarkArea(m_world.utility(), QStringLiteral("Network NFS")),
              QStringList({"RETE1", "RETE2"}));
}

TEST_F(AccumarkAreasTest, WindowsAreasComeFromEveryReadyDriveInLetterOrder)
{
    layOutStorage();
    EXPECT_EQ(transfer::GetAccumarkArea(m_world.utility(), QStringLiteral("Windows")),
              QStringList({"D:\\AREA1", "D:\\area2", "G:\\PROVA"}));
}

TEST_F(AccumarkAreasTest, NoStorageAnywhereGivesAnEmptyListWithoutAMessage)
{
    EXPECT_EQ(transfer::GetAccumarkArea(m_world.utility(), QStringLiteral("Windows")), QStringList());
    EXPECT_EQ(transfer::GetAccumarkArea(m_world.utility(), QStringLiteral("Network NFS")), QStringList());
}

TEST_F(AccumarkAreasTest, AnyOtherNetworkKindGivesNoResultAtAll)
{
    layOutStorage();
    for (const char* kind : {"windows", "Network", "", "Windows "})
        EXPECT_EQ(transfer::GetAccumarkArea(m_world.utility(), QString::fromLatin1(kind)), std::nullopt) << kind;
}

} // namespace
