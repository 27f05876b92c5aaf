#include "platform/Listing.h"

#include <sys/xattr.h>

#include <QFile>

#include "WorkstationFixture.h"
#include "platform/DosAttributes.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"

using namespace platform;
using listing::dir;

namespace {

QStringList names(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* name : list)
        result.append(QString::fromUtf8(name));
    return result;
}

class ListingTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        WorkstationTest::SetUp();
        makeHostFolder(onC(QStringLiteral("Archivi")));
        for (const char* name : {"b.MDB", "a.mdb", "_z.mdb", "Camicie.mdb", "README", ".nascosto", "zeta.txt"})
            writeHostFile(onC(QStringLiteral("Archivi/") + QString::fromUtf8(name)));
        makeHostFolder(onC(QStringLiteral("Archivi/Sub")));
        makeHostFolder(onC(QStringLiteral("Archivi/.cache")));
    }

    void requireExtendedAttributes()
    {
        if (!dosAttributes::extendedAttributesSupported(onC(QStringLiteral("Archivi/a.mdb"))))
            GTEST_SKIP() << "the temporary folder keeps no user extended attributes";
    }

    static QByteArray storedAttribute(const QString& hostPath)
    {
        char text[64] = {};
        const ssize_t length = ::getxattr(QFile::encodeName(hostPath).constData(), "user.DOSATTRIB", text, sizeof text);
        return length < 0 ? QByteArray() : QByteArray(text, length);
    }
};

TEST_F(ListingTest, MatchesIgnoringCaseInTheFileSystemsOrder)
{
    // Upper-case order puts "_" after the letters.
    EXPECT_EQ(dir(QStringLiteral("C:\\ARCHIVI\\*.mdb")), names({"a.mdb", "b.MDB", "Camicie.mdb", "_z.mdb"}));
    EXPECT_EQ(dir(QStringLiteral("c:/archivi/B.mdb")), names({"b.MDB"}));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\?.MDB")), names({"a.mdb", "b.MDB"}));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\*.")), names({"README"}));
    enter(onC(QStringLiteral("Archivi")));
    EXPECT_EQ(dir(QStringLiteral("*.TXT")), names({"zeta.txt"}));
}

TEST_F(ListingTest, ListsPlainFilesUnlessMoreIsAsked)
{
    const QStringList plain = names({"a.mdb", "b.MDB", "Camicie.mdb", "README", "zeta.txt", "_z.mdb"});
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\*.*")), plain);
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\")), plain);
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\*.*"), listing::Directory),
              names({".", "..", "a.mdb", "b.MDB", "Camicie.mdb", "README", "Sub", "zeta.txt", "_z.mdb"}));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\*"), listing::Hidden),
              names({".nascosto", "a.mdb", "b.MDB", "Camicie.mdb", "README", "zeta.txt", "_z.mdb"}));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\*"), listing::Hidden | listing::Directory).mid(2, 2),
              names({".cache", ".nascosto"}));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\sub")), QStringList());
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\sub"), listing::Directory), names({"Sub"}));
}

TEST_F(ListingTest, DriveRootsHaveNoDotEntries)
{
    EXPECT_EQ(dir(QStringLiteral("C:\\*.*"), listing::Directory).first(), QStringLiteral("Archivi"));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\Sub\\"), listing::Directory), names({".", ".."}));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\Sub\\*.mdb"), listing::Directory), QStringList());
}

TEST_F(ListingTest, ReportsMissingFoldersBadNamesAndDrivesNotReady)
{
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\*.xyz")), QStringList());
    EXPECT_EQ(RUNTIME_ERROR_OF(dir(QStringLiteral("C:\\Manca\\*.*"))), 76);
    EXPECT_EQ(RUNTIME_ERROR_OF(dir(QStringLiteral("C:\\Archivi\\README\\*.*"))), 76);
    EXPECT_EQ(RUNTIME_ERROR_OF(dir(QStringLiteral("C:\\Archivi\\a|b"))), 52);
    EXPECT_EQ(RUNTIME_ERROR_OF(dir(QStringLiteral("C:\\Arch*\\*.mdb"))), 52);
    EXPECT_EQ(RUNTIME_ERROR_OF(dir(QStringLiteral("B:\\*.*"))), 71);
    EXPECT_EQ(RUNTIME_ERROR_OF(dir(QStringLiteral("Q:\\*.*"))), 68);
}

TEST_F(ListingTest, GivesTheVolumeLabelAlone)
{
    writeDrives("[Drive C]\r\nPath=drive_c\r\nLabel=SISTEMA\r\n[Drive D]\r\nPath=drive_c\r\n");
    EXPECT_EQ(dir(QStringLiteral("C:\\"), listing::Volume), names({"SISTEMA"}));
    EXPECT_EQ(dir(QStringLiteral("D:\\"), listing::Volume), QStringList());
}

TEST_F(ListingTest, ReadOnlyFollowsWritePermission)
{
    const QString file = onC(QStringLiteral("Archivi/a.mdb"));
    EXPECT_EQ(listing::attributes(QStringLiteral("C:\\Archivi\\A.MDB")), listing::Normal);
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_EQ(listing::attributes(QStringLiteral("C:\\Archivi\\A.MDB")), listing::ReadOnly);
    listing::setAttributes(QStringLiteral("C:\\Archivi\\a.mdb"), listing::Normal);
    EXPECT_TRUE(QFile::permissions(file) & QFileDevice::WriteOwner);
    listing::setAttributes(QStringLiteral("C:\\Archivi\\a.mdb"), listing::ReadOnly);
    EXPECT_FALSE(QFile::permissions(file) &
                 (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
    EXPECT_EQ(listing::attributes(QStringLiteral("C:\\Archivi\\.nascosto")), listing::Hidden);
    EXPECT_EQ(listing::attributes(QStringLiteral("C:\\archivi\\sub")), listing::Directory);
    EXPECT_EQ(RUNTIME_ERROR_OF(listing::attributes(QStringLiteral("C:\\Archivi\\manca"))), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(listing::setAttributes(QStringLiteral("C:\\Archivi\\manca"), 0)), 53);
    EXPECT_EQ(RUNTIME_ERROR_OF(listing::setAttributes(QStringLiteral("C:\\Archivi\\a.mdb"), listing::Directory)), 5);
}

TEST_F(ListingTest, KeepsAttributesInTheSambaExtendedAttribute)
{
    requireExtendedAttributes();
    listing::setAttributes(QStringLiteral("C:\\Archivi\\b.mdb"), listing::Hidden | listing::Archive);
    listing::setAttributes(QStringLiteral("C:\\Archivi\\Camicie.mdb"), listing::System);
    listing::setAttributes(QStringLiteral("C:\\Archivi\\Sub"), listing::Hidden);
    EXPECT_EQ(storedAttribute(onC(QStringLiteral("Archivi/b.MDB"))), QByteArray("0x22"));
    EXPECT_EQ(storedAttribute(onC(QStringLiteral("Archivi/Sub"))), QByteArray("0x12"));
    EXPECT_EQ(listing::attributes(QStringLiteral("C:\\Archivi\\B.MDB")), listing::Hidden | listing::Archive);
    EXPECT_EQ(listing::attributes(QStringLiteral("C:\\Archivi\\sub")), listing::Directory | listing::Hidden);

    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\*.mdb")), names({"a.mdb", "_z.mdb"}));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\*.mdb"), listing::Hidden), names({"a.mdb", "b.MDB", "_z.mdb"}));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\*.mdb"), listing::System), names({"a.mdb", "Camicie.mdb", "_z.mdb"}));
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\S*"), listing::Directory), QStringList());
    EXPECT_EQ(dir(QStringLiteral("C:\\Archivi\\S*"), listing::Directory | listing::Hidden), names({"Sub"}));

    // Samba 4 puts the same text before a NUL and a binary record.
    const char samba4[] = "0x4\0\4\0\4\0\0\0\x11\0\0\0\x04\0\0\0";
    ASSERT_EQ(::setxattr(QFile::encodeName(onC(QStringLiteral("Archivi/zeta.txt"))).constData(), "user.DOSATTRIB",
                         samba4, sizeof samba4 - 1, 0),
              0);
    EXPECT_EQ(listing::attributes(QStringLiteral("C:\\Archivi\\zeta.txt")), listing::System);
}

} // namespace
