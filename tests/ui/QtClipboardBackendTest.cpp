#include "ui/QtClipboardBackend.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

#include "automation/Clipboard.h"
#include "tests/support/QtTestMain.h"
#include "ui/QtSeams.h"

namespace {

const QString otherFormat = QStringLiteral("application/x-tramex-other");

} // namespace

class QtClipboardBackendTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QGuiApplication::clipboard()->clear();
        ui::QtClipboardBackend::install();
    }
    void cleanup() { ui::QtClipboardBackend::uninstall(); }

    void readsTheTextAnotherProgramPutThere()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("a1\tb1\ra2\tb2"));
        QCOMPARE(automation::Clipboard::getText(), QStringLiteral("a1\tb1\ra2\tb2"));
    }

    void setTextReplacesTheTextAndKeepsOtherFormats()
    {
        auto* data = new QMimeData;
        data->setText(QStringLiteral("old"));
        data->setData(otherFormat, QByteArray("picture"));
        QGuiApplication::clipboard()->setMimeData(data);

        automation::Clipboard::setText(QStringLiteral("new"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("new"));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(otherFormat), QByteArray("picture"));
    }

    void clearEmptiesEveryFormat()
    {
        auto* data = new QMimeData;
        data->setText(QStringLiteral("old"));
        data->setData(otherFormat, QByteArray("picture"));
        QGuiApplication::clipboard()->setMimeData(data);

        automation::Clipboard::clear();
        QVERIFY(automation::Clipboard::getText().isEmpty());
        const QMimeData* held = QGuiApplication::clipboard()->mimeData();
        QVERIFY(!held || !held->hasFormat(otherFormat));
    }

    void qtSeamsInstallTheDesktopsClipboardForTheirLifetime()
    {
        ui::QtClipboardBackend::uninstall();
        automation::Clipboard::setText(QStringLiteral("process only"));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        {
            const auto seams = ui::installQtSeams(QStringLiteral("GridDemo"));
            automation::Clipboard::setText(QStringLiteral("desktop"));
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("desktop"));
        }
        QCOMPARE(automation::Clipboard::getText(), QStringLiteral("process only"));
        automation::Clipboard::clear();
    }
};

TRAMEX_QT_TEST(QtClipboardBackendTest);

#include "QtClipboardBackendTest.moc"
