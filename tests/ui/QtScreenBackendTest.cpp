#include "ui/QtScreenBackend.h"

#include <QApplication>
#include <QTest>

#include "interaction/BusyPointer.h"
#include "interaction/Seams.h"
#include "platform/RuntimeError.h"
#include "tests/support/QtTestMain.h"
#include "ui/QtPrompter.h"
#include "ui/QtSeams.h"

class QtScreenBackendTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { ui::QtScreenBackend::install(); }
    void cleanup() { ui::QtScreenBackend::uninstall(); }

    void busyPointerShowsTheHourglassOverTheApplication()
    {
        QVERIFY(!QApplication::overrideCursor());
        {
            interaction::BusyPointer busy;
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void nestedProceduresKeepTheHourglassUntilTheOuterEnds()
    {
        {
            interaction::BusyPointer outer;
            {
                interaction::BusyPointer inner;
            }
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void pointerComesBackWhenAProcedureFails()
    {
        try {
            interaction::BusyPointer busy;
            throw platform::RuntimeError(53);
        } catch (const platform::RuntimeError&) {
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void qtSeamsAreInstalledForTheirLifetime()
    {
        ui::QtScreenBackend::uninstall();
        {
            const auto seams = ui::installQtSeams(QStringLiteral("Schedex"));
            QVERIFY(dynamic_cast<ui::QtPrompter*>(&interaction::Seams::prompter()));
            QCOMPARE(interaction::Seams::programTitle(), QStringLiteral("Schedex"));
            interaction::BusyPointer busy;
            QVERIFY(QApplication::overrideCursor());
        }
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!dynamic_cast<ui::QtPrompter*>(&interaction::Seams::prompter()));
        {
            interaction::BusyPointer busy;
            QVERIFY(!QApplication::overrideCursor());
        }
    }
};

TRAMEX_QT_TEST(QtScreenBackendTest);

#include "QtScreenBackendTest.moc"
