#include "ui/GuardedApplication.h"

#include <QTest>
#include <QTimer>

#include "interaction/ScriptedPrompter.h"
#include "interaction/Seams.h"
#include "platform/RuntimeError.h"
#include "tests/support/QtTestMain.h"

using interaction::Answer;
using interaction::TextMatcher;

namespace {

// A control whose handler of its own events fails as an engine call would.
class FailingControl : public QWidget {
public:
    static constexpr QEvent::Type failingEvent = QEvent::User;

    explicit FailingControl(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("CmdProva")); }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == failingEvent)
            throw platform::RuntimeError(3045,
                                         QStringLiteral("Could not use 'C:\\Schede\\A.mdb'; file already in use."));
        return QWidget::event(event);
    }
};

} // namespace

class GuardedApplicationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_prompter = std::make_unique<interaction::ScriptedPrompter>(
            [](const QString& failure) { QTest::qFail(qPrintable(failure), __FILE__, __LINE__); });
        m_installation = std::make_unique<interaction::Seams::Installation>();
        m_installation->setPrompter(*m_prompter).setProgramTitle(QStringLiteral("Schedex"));
    }
    void cleanup()
    {
        m_prompter->verifyDone();
        m_installation.reset();
        m_prompter.reset();
    }

    // An error that escapes a handler is reported through the error dialog, naming the window
    // and the control, and the program goes on delivering events.
    void anErrorEscapingAHandlerGoesToTheErrorDialog()
    {
        QVERIFY(dynamic_cast<ui::GuardedApplication*>(QCoreApplication::instance()));
        QWidget window;
        window.setObjectName(QStringLiteral("FrmProva"));
        auto* control = new FailingControl(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        m_prompter->expectMessage(TextMatcher(QStringLiteral("Errore numero : 3045\rCould not use 'C:\\Schede\\A.mdb'; "
                                                             "file already in use.\r\rSpiegazione : Traduzione non "
                                                             "disponibile\r\rDurante FrmProva_CmdProva\r\r")),
                                  Answer::Abort);

        QEvent event(FailingControl::failingEvent);
        QVERIFY(!QCoreApplication::sendEvent(control, &event));
        QCOMPARE(m_prompter->remaining(), 0);

        bool delivered = false;
        QTimer::singleShot(0, &window, [&] { delivered = true; });
        QTRY_VERIFY(delivered);
        QVERIFY(window.isVisible());
    }

    void theProcedureNamesTheNearestNamedObject()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("FrmExplorer"));
        QWidget list(&window);
        list.setObjectName(QStringLiteral("LWModelli"));
        QWidget viewport(&list);
        viewport.setObjectName(QStringLiteral("qt_scrollarea_viewport"));
        QObject unnamed;
        QCOMPARE(ui::GuardedApplication::procedureOf(&viewport), QStringLiteral("FrmExplorer_LWModelli"));
        QCOMPARE(ui::GuardedApplication::procedureOf(&window), QStringLiteral("FrmExplorer"));
        QCOMPARE(ui::GuardedApplication::procedureOf(&unnamed), QStringLiteral("QObject"));
    }

private:
    std::unique_ptr<interaction::ScriptedPrompter> m_prompter;
    std::unique_ptr<interaction::Seams::Installation> m_installation;
};

TRAMEX_QT_TEST(GuardedApplicationTest);

#include "GuardedApplicationTest.moc"
