#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QString& program, const QStringList& arguments, const QString& workstation)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), workstation);
    process.setProcessEnvironment(environment);
    process.start(QDir(qEnvironmentVariable("TRAMEX_BIN_DIR")).filePath(program), arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The demo workstation installs Grivola with the programs and registers it, so that a client on it
// can bind to Grivola.Grivo.
TEST(GrivolaOnTheDemoWorkstation, AutocallShowsTheIdentityAndTheSixteenMethodsInSlotOrder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString workstation = QDir(folder.path()).filePath(QStringLiteral("demo"));
    const ToolRun made = runTool(QStringLiteral("mkworkstation"), {workstation}, workstation);
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();

    const ToolRun typelib = runTool(QStringLiteral("autocall"),
                                    {QStringLiteral("--typelib"), QStringLiteral("Grivola.Grivo")}, workstation);
    ASSERT_EQ(typelib.exitCode, 0) << typelib.err.toStdString();
    const QStringList lines = typelib.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 19) << typelib.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("library Grivola, version 1.0, locale 1033, "
                                       "id {26E7EA86-8CA2-11D3-97EB-0000E8740307}, file version 1.0"));
    EXPECT_EQ(lines[1], QStringLiteral("class Grivo, id {26E7EA85-8CA2-11D3-97EB-0000E8740307}, progid Grivola.Grivo, "
                                       "creatable yes, application object yes, threading Apartment"));
    EXPECT_EQ(lines[2], QStringLiteral("interface _Grivo, id {26E7EA84-8CA2-11D3-97EB-0000E8740307}, dual"));
    const QStringList methods = {
        QStringLiteral("Grid_Text_Move(ByRef NomeGriglia As Object, ByRef TextBox As Object)"),
        QStringLiteral("GridSelCopy(ByRef NomeGriglia As Object)"),
        QStringLiteral("GridSelPaste(ByRef NomeGriglia As Object)"),
        QStringLiteral("IncollaMultiplo(ByRef NomeGriglia As Object, ByRef ContCasella As String)"),
        QStringLiteral("RinumeraGriglia(ByRef NomeGriglia As Object)"),
        QStringLiteral("GridLineDelete(ByRef Griglia As Object)"),
        QStringLiteral("GridLineCut(ByRef Griglia As Object)"),
        QStringLiteral("GridLinePaste(ByRef Griglia As Object)"),
        QStringLiteral("GridLineCopy(ByRef Griglia As Object)"),
        QStringLiteral("GridSelCut(ByRef Griglia As Object)"),
        QStringLiteral("GridSelFormat(ByRef Griglia As Object, ByRef FormatType As Integer)"),
        QStringLiteral("DimensionaRigaGriglia(ByRef Griglia As Object, ByRef NRowRif As Single)"),
        QStringLiteral("GetSelPos(ByRef Griglia As Object, ByRef Row1 As Integer, ByRef Col1 As Integer, "
                       "ByRef Row2 As Integer, ByRef Col2 As Integer)"),
        QStringLiteral("MultiEdit(ByRef Griglia As Object, Optional ByRef MaxLen As Variant)"),
        QStringLiteral("CancellaLineeVuote(ByRef Griglia As Object)"),
        QStringLiteral("GridCellColor(ByRef Griglia As Object, ByRef BColor As Single, ByRef GridRow As Integer, "
                       "Optional ByRef GridCol As Variant)"),
    };
    for (int i = 0; i < methods.size(); ++i)
        EXPECT_EQ(lines[3 + i], QStringLiteral("  slot %1  %2").arg(i + 1).arg(methods[i]));
}

} // namespace
