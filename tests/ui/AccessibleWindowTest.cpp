#include "ui/AccessibleWindow.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "tests/support/AccessibleControls.h"
#include "tests/support/QtTestMain.h"

namespace {

// A window of a new program: a toolbar, a labelled text box, a list with its own pop-up menu.
class SampleWindow : public QWidget {
public:
    SampleWindow()
    {
        toolBar = new QToolBar(this);
        QAction* save = toolBar->addAction(QIcon(), QString());
        save->setToolTip(QStringLiteral("Salva le modifiche"));
        auto* label = new QLabel(QStringLiteral("&Cognome:"), this);
        surname = new QLineEdit(this);
        label->setBuddy(surname);
        list = new QListWidget(this);
        list->setAccessibleName(QStringLiteral("Utenti"));
        list->addItems({QStringLiteral("ROSSI"), QStringLiteral("BIANCHI"), QStringLiteral("VERDI")});
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
            menuRequests.append(list->indexAt(list->viewport()->mapFrom(list, point)).data().toString());
        });
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(toolBar);
        layout->addWidget(label);
        layout->addWidget(surname);
        layout->addWidget(list);
    }

    QToolBar* toolBar = nullptr;
    QLineEdit* surname = nullptr;
    QListWidget* list = nullptr;
    QStringList menuRequests;
};

} // namespace

class AccessibleWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aNewWindowAdoptsTheRulesWithOneCall()
    {
        SampleWindow window;
        window.show();
        QVERIFY(!unnamedControls(window).isEmpty());
        QVERIFY(!unreachableControls(window).isEmpty());
        ui::accessibleWindow::adoptAccessibility(window);
        ui::accessibleWindow::adoptAccessibility(window);
        expectEveryControlNamed(window);
        expectEveryControlReachable(window);
        QCOMPARE(window.surname->accessibleName(), QStringLiteral("Cognome"));
        QCOMPARE(window.list->accessibleName(), QStringLiteral("Utenti"));
        const auto* button =
            qobject_cast<QToolButton*>(window.toolBar->widgetForAction(window.toolBar->actions().at(0)));
        QCOMPARE(button->accessibleName(), QStringLiteral("Salva le modifiche"));
    }

    // The menu opens once per press, at the current item, whether or not the platform already
    // turned the Menu key into a menu request.
    void menuKeysOpenTheFocusedControlsMenuOnce()
    {
        SampleWindow window;
        ui::accessibleWindow::adoptAccessibility(window);
        window.show();
        window.list->setFocus();
        window.list->setCurrentRow(1);
        QTest::keyClick(window.list, Qt::Key_F10, Qt::ShiftModifier);
        QTest::keyClick(window.list, Qt::Key_Menu);
        QTest::keyClick(window.list, Qt::Key_F10);
        QTest::keyClick(window.list, Qt::Key_Menu, Qt::ControlModifier);
        QCOMPARE(window.menuRequests, (QStringList{"BIANCHI", "BIANCHI"}));

        QContextMenuEvent fromPlatform(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                       window.list->mapToGlobal(QPoint(1, 1)));
        QSpontaneKeyEvent::setSpontaneous(&fromPlatform);
        QApplication::instance()->notify(window.list, &fromPlatform);
        QTest::keyClick(window.list, Qt::Key_Menu);
        QCOMPARE(window.menuRequests.size(), 3);

        // A control of another window is left alone.
        SampleWindow other;
        other.show();
        other.list->setFocus();
        QTest::keyClick(other.list, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(other.menuRequests.isEmpty());
    }

    void textReadsOnEveryBackground_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("black") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("blue") << QColor(0, 0, 255) << QColor(Qt::white);
        QTest::newRow("dark red") << QColor(128, 0, 0) << QColor(Qt::white);
        QTest::newRow("red") << QColor(255, 0, 0) << QColor(Qt::black);
        QTest::newRow("yellow") << QColor(255, 255, 0) << QColor(Qt::black);
        QTest::newRow("white") << QColor(Qt::white) << QColor(Qt::black);
    }
    void textReadsOnEveryBackground()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QListWidget list;
        ui::accessibleWindow::setBackground(list, background);
        QCOMPARE(list.palette().color(QPalette::Base), background);
        QCOMPARE(list.palette().color(QPalette::Text), text);
    }
};

TRAMEX_QT_TEST(AccessibleWindowTest);

#include "AccessibleWindowTest.moc"
