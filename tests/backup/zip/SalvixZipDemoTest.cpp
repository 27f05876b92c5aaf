#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/backup/zip/SalvixZipArchives.h"
#include "tests/support/TestWorkstation.h"

namespace {

// The demo workstation installs SalvixZip with the programs and registers it, so that the backup
// program on it creates its compressor and decompressor by name.
TEST(SalvixZipOnTheDemoWorkstation, IsInstalledAndRegisteredWithBothClasses)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString workstation = QDir(folder.path()).filePath(QStringLiteral("demo"));
    using salvixziptest::runTool;
    ASSERT_EQ(runTool(TestWorkstation::builtProgram(QStringLiteral("mkworkstation")), {workstation}).exitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(QDir(workstation).filePath(QStringLiteral("drive_c/Tramex/SalvixZip.dll"))));

    const auto typelib = runTool(TestWorkstation::builtProgram(QStringLiteral("autocall")),
                                 {QStringLiteral("--workstation"), workstation, QStringLiteral("--typelib"),
                                  QStringLiteral("SalvixZip.Decompressor")});
    ASSERT_EQ(typelib.exitCode, 0);
    // The interface the backup program codes to, whole.
    EXPECT_EQ(typelib.out.split(u'\n', Qt::SkipEmptyParts),
              (QStringList{
                  QStringLiteral("library SalvixZip, version 1.0, locale 1033, "
                                 "id {43387DB9-DDAE-11D3-97EC-0000E8740307}, file version 1.0"),
                  QStringLiteral("class Compressor, id {43387DB6-DDAE-11D3-97EC-0000E8740307}, progid "
                                 "SalvixZip.Compressor, creatable yes, application object no, threading Apartment"),
                  QStringLiteral("interface _Compressor, id {43387DB5-DDAE-11D3-97EC-0000E8740307}, dual"),
                  QStringLiteral("  slot 1  SetArchive(ByRef Path As String)"),
                  QStringLiteral("  slot 2  SetSpanning(ByRef Value As Long)"),
                  QStringLiteral("  slot 3  AddFile(ByRef Path As String)"),
                  QStringLiteral("  slot 4  Finish() As Long"),
                  QStringLiteral("  slot 5  ErrorText() As String"),
                  QStringLiteral("class Decompressor, id {43387DB1-DDAE-11D3-97EC-0000E8740307}, progid "
                                 "SalvixZip.Decompressor, creatable yes, application object no, threading Apartment"),
                  QStringLiteral("interface _Decompressor, id {43387DB0-DDAE-11D3-97EC-0000E8740307}, dual"),
                  QStringLiteral("  slot 1  SetArchive(ByRef Path As String)"),
                  QStringLiteral("  slot 2  SetOverwrite(ByRef Value As Boolean)"),
                  QStringLiteral("  slot 3  SetRestoreFolders(ByRef Value As Boolean)"),
                  QStringLiteral("  slot 4  SetBaseFolder(ByRef Path As String)"),
                  QStringLiteral("  slot 5  Extract(ByRef Include As String, ByRef Exclude As String) As Long"),
                  QStringLiteral("  slot 6  ErrorText() As String"),
              }));
}

} // namespace
