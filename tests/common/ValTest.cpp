#include "common/Val.h"

#include <QTest>

#include "platform/RuntimeError.h"
#include "tests/support/QtTestMain.h"

class ValTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("text") << QStringLiteral("Rosso") << 0.0;
        QTest::newRow("number then text") << QStringLiteral("1500twips") << 1500.0;
        QTest::newRow("blanks anywhere") << QStringLiteral(" 1 2\t3") << 123.0;
        QTest::newRow("sign and fraction") << QStringLiteral("-12.5") << -12.5;
        QTest::newRow("no leading zero") << QStringLiteral(".5") << 0.5;
        QTest::newRow("second point ends it") << QStringLiteral("1.2.3") << 1.2;
        QTest::newRow("exponent") << QStringLiteral("1.5E3") << 1500.0;
        QTest::newRow("D exponent") << QStringLiteral("2d2") << 200.0;
        QTest::newRow("exponent without digits") << QStringLiteral("7e") << 7.0;
        QTest::newRow("two signs") << QStringLiteral("--1") << 0.0;
        QTest::newRow("hexadecimal") << QStringLiteral("&H1F") << 31.0;
        QTest::newRow("hexadecimal 16-bit") << QStringLiteral("&HFFFF") << -1.0;
        QTest::newRow("hexadecimal 32-bit") << QStringLiteral("&H10000") << 65536.0;
        QTest::newRow("octal") << QStringLiteral("&o17") << 15.0;
        QTest::newRow("ampersand alone") << QStringLiteral("&12") << 0.0;
        QTest::newRow("too small") << QStringLiteral("1e-400") << 0.0;
    }
    void readsTheLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(common::Val(text), expected);
    }

    void overflowIsError6_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("beyond a Double") << QStringLiteral("1e400");
        QTest::newRow("beyond a Long in hexadecimal") << QStringLiteral("&H100000000");
    }
    void overflowIsError6()
    {
        QFETCH(QString, text);
        try {
            common::Val(text);
            QFAIL("no error");
        } catch (const platform::RuntimeError& error) {
            QCOMPARE(error.number(), 6);
        }
    }
};

TRAMEX_QT_TEST(ValTest);

#include "ValTest.moc"
