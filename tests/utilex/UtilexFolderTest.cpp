#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "UtilexFixture.h"
#include "automation/Screen.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

using automation::Variant;

namespace {

// A caller's combo box: records the items added to it.
class RecordingCombo : public automation::DispatchObject {
public:
    int idOfName(const QString& name) const override
    {
        return name.compare(u"AddItem", Qt::CaseInsensitive) == 0 ? 1 : unknownName;
    }
    Variant invoke(int, automation::InvokeKind, std::vector<Variant>& arguments) override
    {
        items.append(arguments.at(0).toString());
        return Variant();
    }
    QStringList items;
};

struct FileCase {
    const char16_t* name;
    std::int16_t expected;
};

std::ostream& operator<<(std::ostream& out, const FileCase& fileCase)
{
    return out << '"' << QString::fromUtf16(fileCase.name).toStdString() << '"';
}

class UtilexFileExistsTest : public UtilexTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(UtilexFileExistsTest, ListsPlainFilesOnly)
{
    writeHostFile(hostOfC(QStringLiteral("dati/Nota.txt")), "x");
    writeHostFile(hostOfC(QStringLiteral("dati/.nascosto")), "x");
    writeHostFile(hostOfC(QStringLiteral("solo nascosti/.nascosto")), "x");
    makeHostFolder(hostOfC(QStringLiteral("vuota")));

    QString name = QString::fromUtf16(GetParam().name);
    EXPECT_EQ(m_utilex->FileExists(name), GetParam().expected);
    EXPECT_EQ(call(u"FileExists", {Variant(name)}), Variant::fromInteger(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Names, UtilexFileExistsTest,
                         ::testing::Values(FileCase{u"", 0}, FileCase{u"C:\\dati\\Nota.txt", -1},
                                           FileCase{u"c:\\DATI\\nota.TXT", -1}, FileCase{u"C:\\dati\\.nascosto", 0},
                                           FileCase{u"C:\\dati\\*.txt", -1}, FileCase{u"C:\\dati\\N?ta.*", -1},
                                           FileCase{u"C:\\dati\\*.doc", 0}, FileCase{u"C:\\dati", 0},
                                           FileCase{u"C:\\dati\\", -1}, FileCase{u"C:\\vuota\\", 0},
                                           FileCase{u"C:\\solo nascosti\\", 0}, FileCase{u"C:\\manca\\Nota.txt", 0},
                                           FileCase{u"D:\\Nota.txt", 0}, FileCase{u"Q:\\Nota.txt", 0}));

} // namespace

TEST_F(UtilexTest, DirExistsTellsFoldersFromRootsFilesAndUnreadyDrives)
{
    makeHostFolder(hostOfC(QStringLiteral("Dati/Sotto")));
    writeHostFile(hostOfC(QStringLiteral("file.txt")), "x");

    QString folder = QStringLiteral("C:\\dati\\sotto");
    EXPECT_EQ(m_utilex->DirExists(folder), Variant::fromBoolean(true));
    EXPECT_EQ(folder, QStringLiteral("C:\\dati\\sotto\\"));

    std::vector<Variant> byName{Variant(u"C:\\Dati")};
    EXPECT_EQ(callByRef(u"DirExists", byName), Variant::fromBoolean(true));
    EXPECT_EQ(byName[0], Variant(u"C:\\Dati\\"));

    EXPECT_EQ(call(u"DirExists", {Variant(u"C:\\dati\\sotto\\")}), Variant::fromBoolean(true));
    EXPECT_EQ(call(u"DirExists", {Variant(u"C:\\")}), Variant::fromBoolean(false));
    EXPECT_EQ(call(u"DirExists", {Variant(u"C:")}), Variant::fromBoolean(false));
    EXPECT_EQ(call(u"DirExists", {Variant(u"C:\\file.txt")}), Variant::fromBoolean(false));
    EXPECT_EQ(call(u"DirExists", {Variant(u"C:\\manca")}), Variant::fromBoolean(false));
    EXPECT_EQ(call(u"DirExists", {Variant(u"D:\\")}), Variant());
    EXPECT_EQ(call(u"DirExists", {Variant(u"D:\\cartella")}), Variant());
}

TEST_F(UtilexTest, IsAttrNeedsEveryAskedBit)
{
    makeHostFolder(hostOfC(QStringLiteral("dati")));
    writeHostFile(hostOfC(QStringLiteral("dati/a.txt")), "x");
    writeHostFile(hostOfC(QStringLiteral("dati/.nascosto")), "x");

    const auto isAttr = [&](const char16_t* path, std::int32_t bits) {
        QString file = QString::fromUtf16(path);
        const automation::Boolean early = m_utilex->IsAttr(file, bits);
        EXPECT_EQ(call(u"IsAttr", {Variant(file), Variant::fromLong(bits)}), Variant::fromBoolean(early != 0));
        return early;
    };
    EXPECT_EQ(isAttr(u"C:\\dati\\a.txt", 0), automation::True);
    EXPECT_EQ(isAttr(u"C:\\dati", 16), automation::True);
    EXPECT_EQ(isAttr(u"C:\\dati\\a.txt", 16), automation::False);
    EXPECT_EQ(isAttr(u"C:\\dati\\.nascosto", 2), automation::True);
    EXPECT_EQ(isAttr(u"C:\\dati\\.nascosto", 2 | 16), automation::False);
    EXPECT_EQ(isAttr(u"C:\\dati\\manca.txt", 0), automation::False);
    EXPECT_EQ(isAttr(u"D:\\a.txt", 0), automation::False);
}

TEST_F(UtilexTest, MakeDirCreatesEveryLevelUnderTheHourglass)
{
    std::vector<int> pointers;
    automation::Screen::install({[&](int pointer) { pointers.push_back(pointer); }, {}, {}});
    automation::Screen::setMousePointer(99);
    pointers.clear();

    QString path = QStringLiteral("C:\\Uno\\Due\\Tre");
    m_utilex->MakeDir(path);
    EXPECT_EQ(path, QStringLiteral("C:\\Uno\\Due\\Tre\\"));
    EXPECT_TRUE(QFileInfo(hostOfC(QStringLiteral("Uno/Due/Tre"))).isDir());
    EXPECT_EQ(pointers, (std::vector<int>{11, 99}));
    EXPECT_EQ(automation::Screen::mousePointer(), 99);

    // Existing levels keep their spelling; the missing ones are added below them.
    std::vector<Variant> byName{Variant(u"c:\\uno\\due\\Quattro\\Cinque\\")};
    EXPECT_EQ(callByRef(u"MakeDir", byName), Variant());
    EXPECT_EQ(byName[0], Variant(u"c:\\uno\\due\\Quattro\\Cinque\\"));
    EXPECT_TRUE(QFileInfo(hostOfC(QStringLiteral("Uno/Due/Quattro/Cinque"))).isDir());
    EXPECT_EQ(QDir(hostOfC(QString())).entryList(QDir::Dirs | QDir::NoDotAndDotDot).count(u"Uno"), 1);

    EXPECT_EQ(call(u"MakeDir", {Variant(u"C:\\Uno")}), Variant());
    automation::Screen::install({});
}

// Mended: a level that cannot be created ends the walk with an error instead of looping.
struct MakeDirFailure {
    const char16_t* path;
    int error;
};

std::ostream& operator<<(std::ostream& out, const MakeDirFailure& failure)
{
    return out << '"' << QString::fromUtf16(failure.path).toStdString() << '"';
}

class UtilexMakeDirFailureTest : public UtilexTest, public ::testing::WithParamInterface<MakeDirFailure> {};

TEST_P(UtilexMakeDirFailureTest, EndsWithAnErrorAndRestoresThePointer)
{
    writeHostFile(hostOfC(QStringLiteral("file.txt")), "x");
    automation::Screen::setMousePointer(0);

    QString path = QString::fromUtf16(GetParam().path);
    EXPECT_EQ(errorNumberOf([&] { m_utilex->MakeDir(path); }), GetParam().error);
    EXPECT_TRUE(path.endsWith(u'\\'));
    EXPECT_EQ(automation::Screen::mousePointer(), 0);
    EXPECT_EQ(errorNumberOf([&] { call(u"MakeDir", {Variant(QString::fromUtf16(GetParam().path))}); }),
              GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Paths, UtilexMakeDirFailureTest,
                         ::testing::Values(MakeDirFailure{u"C:\\file.txt\\sotto", 75},
                                           MakeDirFailure{u"C:\\file.txt", 75}, MakeDirFailure{u"D:\\a\\b", 76},
                                           MakeDirFailure{u"Q:\\a\\b", 76}, MakeDirFailure{u"C:\\", 75},
                                           MakeDirFailure{u"", 75}, MakeDirFailure{u"Q:", 76}));

TEST_F(UtilexTest, MakeDirReportsAFolderWithoutRights)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
    makeHostFolder(hostOfC(QStringLiteral("chiusa")));
    QFile::setPermissions(hostOfC(QStringLiteral("chiusa")), QFile::ReadOwner | QFile::ExeOwner);
    QString path = QStringLiteral("C:\\chiusa\\nuova");
    EXPECT_EQ(errorNumberOf([&] { m_utilex->MakeDir(path); }), 75);
    QFile::setPermissions(hostOfC(QStringLiteral("chiusa")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(UtilexTest, FillComboDirAddsSubfoldersInUpperCase)
{
    makeHostFolder(hostOfC(QStringLiteral("Modelli/beta")));
    makeHostFolder(hostOfC(QStringLiteral("Modelli/Alfa")));
    makeHostFolder(hostOfC(QStringLiteral("Modelli/Però")));
    writeHostFile(hostOfC(QStringLiteral("Modelli/file.txt")), "x");

    auto combo = std::make_shared<RecordingCombo>();
    combo->items.append(QStringLiteral("già presente"));
    automation::ObjectRef comboRef = combo;
    QString path = QStringLiteral("C:\\modelli");
    m_utilex->FillComboDir(comboRef, path);
    EXPECT_EQ(path, QStringLiteral("C:\\modelli\\"));
    EXPECT_EQ(combo->items, (QStringList{QStringLiteral("già presente"), QStringLiteral("ALFA"), QStringLiteral("BETA"),
                                         QStringLiteral("PERÒ")}));

    auto other = std::make_shared<RecordingCombo>();
    std::vector<Variant> byName{Variant(automation::ObjectRef(other)), Variant(u"C:\\Modelli\\file.txt")};
    callByRef(u"FillComboDir", byName);
    EXPECT_EQ(byName[1], Variant(u"C:\\Modelli\\file.txt\\"));
    EXPECT_TRUE(other->items.isEmpty());
    call(u"FillComboDir", {Variant(automation::ObjectRef(other)), Variant(u"D:\\")});
    EXPECT_TRUE(other->items.isEmpty());
}

TEST_F(UtilexTest, StandardFoldersComeFromTheWorkstation)
{
    EXPECT_EQ(m_utilex->GetWindowsDir(), QStringLiteral("C:\\WINDOWS"));
    EXPECT_EQ(call(u"GetSystemDir"), Variant(u"C:\\WINDOWS\\SYSTEM32"));

    const QString temporary = call(u"GetTmpPath").toString();
    EXPECT_TRUE(temporary.endsWith(u'\\'));
    EXPECT_TRUE(QFileInfo(platform::windowsPath::toHost(temporary)).isDir());

    const QString appPath = m_utilex->GetAppPath();
    ASSERT_TRUE(appPath.endsWith(u'\\'));
    EXPECT_EQ(QFileInfo(platform::windowsPath::toHost(appPath + QStringLiteral("Utilex4.dll"))).canonicalFilePath(),
              QFileInfo(libraryFile()).canonicalFilePath());
}
