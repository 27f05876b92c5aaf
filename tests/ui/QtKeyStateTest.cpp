#include "ui/QtKeyState.h"

#include <QEvent>
#include <QTest>
#include <QWidget>

#include "tests/support/QtTestMain.h"

using interaction::Key;

class QtKeyStateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_keys = std::make_unique<ui::QtKeyState>();
    }
    void cleanup()
    {
        m_keys.reset();
        m_window.reset();
    }

    void escapeIsDownWhileHeld()
    {
        QVERIFY(!m_keys->isDown(Key::Escape));
        QTest::keyPress(m_window.get(), Qt::Key_Escape);
        QVERIFY(m_keys->isDown(Key::Escape));
        QVERIFY(m_keys->isDown(Key::Escape));
        QTest::keyRelease(m_window.get(), Qt::Key_Escape);
        QVERIFY(!m_keys->isDown(Key::Escape));
    }

    void aTapBetweenTwoQueriesCountsOnce()
    {
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QVERIFY(m_keys->isDown(Key::Escape));
        QVERIFY(!m_keys->isDown(Key::Escape));
    }

    // An Esc that closed a menu or a box before a loop started does not stop the loop; one still
    // held does, and so does one pressed while it runs.
    void aLoopForgetsTheTapsBeforeItButNotAHeldKey()
    {
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        m_keys->forgetEarlierPresses(Key::Escape);
        QVERIFY(!m_keys->isDown(Key::Escape));
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QVERIFY(m_keys->isDown(Key::Escape));

        QTest::keyPress(m_window.get(), Qt::Key_Escape);
        m_keys->forgetEarlierPresses(Key::Escape);
        QVERIFY(m_keys->isDown(Key::Escape));
        QTest::keyRelease(m_window.get(), Qt::Key_Escape);
    }

    void otherKeysAreNotEscape()
    {
        QTest::keyPress(m_window.get(), Qt::Key_A);
        QVERIFY(!m_keys->isDown(Key::Escape));
        QTest::keyRelease(m_window.get(), Qt::Key_A);
    }

    void leavingTheProgramReleasesEscape()
    {
        QTest::keyPress(m_window.get(), Qt::Key_Escape);
        QVERIFY(m_keys->isDown(Key::Escape));
        QEvent deactivate(QEvent::ApplicationDeactivate);
        QCoreApplication::sendEvent(qApp, &deactivate);
        QVERIFY(!m_keys->isDown(Key::Escape));
    }

    void shiftFollowsTheKeyboard()
    {
        QTest::keyPress(m_window.get(), Qt::Key_Shift, Qt::ShiftModifier);
        QVERIFY(m_keys->isDown(Key::Shift));
        QTest::keyRelease(m_window.get(), Qt::Key_Shift, Qt::NoModifier);
        QVERIFY(!m_keys->isDown(Key::Shift));
    }

private:
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<ui::QtKeyState> m_keys;
};

TRAMEX_QT_TEST(QtKeyStateTest);

#include "QtKeyStateTest.moc"
