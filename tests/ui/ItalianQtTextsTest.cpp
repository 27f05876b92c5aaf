#include "ui/ItalianQtTexts.h"

#include <memory>

#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTranslator>

#include "tests/support/QtTestMain.h"

namespace {

QStringList menuTexts()
{
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text().section(u'\t', 0, 0));
    }
    return texts;
}

} // namespace

class ItalianQtTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theButtonsAndTheTextBoxMenuSpeakItalianWhileKept()
    {
        const QStringList english = menuTexts();
        {
            const std::unique_ptr<QTranslator> italian = ui::installItalianQtTexts();
            QVERIFY(italian);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Retry"), QStringLiteral("Riprova"));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Ignore"), QStringLiteral("Ignora"));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "No"), QStringLiteral("No"));
            const QStringList italianMenu = menuTexts();
            QCOMPARE(italianMenu.size(), english.size());
            QVERIFY2(italianMenu.contains(QStringLiteral("&Incolla")), qPrintable(italianMenu.join(u',')));
        }
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Retry"), QStringLiteral("Retry"));
        QCOMPARE(menuTexts(), english);
    }
};

TRAMEX_QT_TEST(ItalianQtTextsTest);

#include "ItalianQtTextsTest.moc"
