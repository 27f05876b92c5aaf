#include "ui/PrinterDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "automation/SystemServices.h"
#include "tests/support/ErrorMatchers.h"
#include "tests/support/QtTestMain.h"
#include "ui/QtSystemServices.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PrinterDocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textGoesOutWhenTheDocumentEnds()
    {
        QTemporaryDir folder;
        const QString first = folder.filePath(u"primo.pdf"_s);
        ui::PrinterDocument document(first);
        QVERIFY(!document.isOpen());
        document.printAt(u"Modello 12"_s, 1440, 720);
        document.printAt(u"Taglia 44"_s, 0, 2880);
        QVERIFY(document.isOpen());
        QVERIFY(!contentOf(first).contains("%%EOF"));
        document.end();
        QVERIFY(!document.isOpen());
        const QByteArray printed = contentOf(first);
        QVERIFY(printed.startsWith("%PDF"));
        QVERIFY(printed.trimmed().endsWith("%%EOF"));

        // The next text opens a document of its own.
        QFile::remove(first);
        document.printAt(u"Seconda pagina"_s, 0, 0);
        QVERIFY(document.isOpen());
        document.end();
        QVERIFY(contentOf(first).trimmed().endsWith("%%EOF"));
        document.end();
    }

    void aDocumentStillOpenGoesOutWithIt()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"fine.pdf"_s);
        {
            ui::PrinterDocument document(path);
            document.printAt(u"Ultima riga"_s, 0, 0);
        }
        QVERIFY(contentOf(path).trimmed().endsWith("%%EOF"));
    }

    // A print server that is not there is a workstation without printers.
    void withoutPrintersThereIsNoPrinterAndPrintingRaises484()
    {
        const QByteArray server = qgetenv("CUPS_SERVER");
        QTemporaryDir folder;
        qputenv("CUPS_SERVER", QFile::encodeName(folder.filePath(u"nessuno.sock"_s)));
        QVERIFY(ui::PrinterDocument::defaultPrinterName().isEmpty());
        ui::QtSystemServices::install();
        QVERIFY(!automation::SystemServices::hasPrinter());
        QCOMPARE(RUNTIME_ERROR_OF(automation::SystemServices::printAt(u"x"_s, 0, 0)), 484);
        ui::QtSystemServices::uninstall();
        if (server.isNull())
            qunsetenv("CUPS_SERVER");
        else
            qputenv("CUPS_SERVER", server);
    }
};

TRAMEX_QT_TEST(PrinterDocumentTest);

#include "PrinterDocumentTest.moc"
