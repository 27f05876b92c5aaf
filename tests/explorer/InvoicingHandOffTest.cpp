#include "explorer/InvoicingHandOff.h"

#include <memory>

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "explorer/CardListView.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/CardStore.h"
#include "tests/explorer/MaintenanceWorkstation.h"
#include "tests/support/QtTestMain.h"

using interaction::Answer;
using interaction::Buttons;
using interaction::DefaultButton;
using interaction::Icon;
using interaction::TextMatcher;

namespace {

const QString question = QStringLiteral("Assicurati di avere aperto il programma di fatturazione\r"
                                        "e di aver posizionato il cursore nel campo in cui deve scrivere in dati ");
const QString done = QStringLiteral("Invio dati completato !!");
const QString ini = QStringLiteral("Schedex.ini");

// The journal's lines without their time stamps.
QList<QStringList> journal()
{
    QFile file(
        MaintenanceWorkstation::hostPath(MaintenanceWorkstation::programFolder + QStringLiteral("\\Fatture.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> lines;
    const QByteArray text = file.readAll();
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        if (!line.endsWith('\r'))
            QTest::qFail("a journal line without CR LF", __FILE__, __LINE__);
        lines.append(QString::fromLatin1(line.chopped(1)).split(u'\t').mid(1));
    }
    return lines;
}

} // namespace

class InvoicingHandOffTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<MaintenanceWorkstation>();
        MaintenanceWorkstation::makeArchive(QStringLiteral("A"), {"K1", "K2", "K3"});
        m_window = MaintenanceWorkstation::openExplorer();
        QListWidgetItem* archive = m_window->findArchiveItem(QStringLiteral("A"));
        m_window->LVDB()->setCurrentItem(archive);
        m_window->LVDB_DblClick();
        explorer::CardListView& cards = m_window->cardList();
        for (int row = 0; row < cards.rowCount(); ++row)
            cards.setRowSelected(row, cards.rowText(row) != QLatin1String("K2"));
        QCOMPARE(cards.selectedRows(), (QList<int>{0, 2}));
    }
    void cleanup()
    {
        delete m_window.data();
        m_world.reset();
    }

    void eachSelectedCardIsHandedOnInTurnWithThePauseAfterIt()
    {
        MaintenanceWorkstation::installRecorder(QStringLiteral("Fattix.exe"));
        m_world->writeIni(ini, QStringLiteral("Configurazione"), QStringLiteral("Ritardo"), QStringLiteral("500"));
        m_world->prompter.expectMessage(question, Answer::Ok).expectMessage(done, Answer::Ok);
        QElapsedTimer clock;
        clock.start();
        explorer::MnuLWInviaFattura(*m_window);
        QVERIFY(clock.elapsed() >= 1000);

        QCOMPARE(MaintenanceWorkstation::recordedCalls(QStringLiteral("Fattix.exe")),
                 QStringList({"begin K1", "end K1", "begin K3", "end K3"}));
        QCOMPARE(m_world->readIni(QStringLiteral("Tramex.ini"), QStringLiteral("Impostazioni"),
                                  QStringLiteral("Database corrente")),
                 QStringLiteral("A"));
        const auto& prompts = m_world->prompter.prompts();
        QCOMPARE(prompts[0].title, QStringLiteral("Invio dati al prg di fatturazione"));
        QCOMPARE(prompts[0].buttons, Buttons::OkCancel);
        QCOMPARE(prompts[0].icon, Icon::Exclamation);
        QCOMPARE(prompts[1].title, QStringLiteral("Schedex"));
        QCOMPARE(prompts[1].buttons, Buttons::Ok);
        QCOMPARE(prompts[1].icon, Icon::None);
        QCOMPARE(m_window->cardList().selectedRows(), (QList<int>{0, 2}));
    }

    void theInvoicingProgramJournalsTheCardsOfTheCurrentArchive()
    {
        MaintenanceWorkstation::installBuiltProgram(QStringLiteral("Fattix"), QStringLiteral("Fattix.exe"));
        m_world->writeIni(ini, QStringLiteral("Configurazione"), QStringLiteral("Ritardo"), QStringLiteral("0"));
        m_world->prompter.expectMessage(question, Answer::Ok).expectMessage(done, Answer::Ok);
        explorer::MnuLWInviaFattura(*m_window);
        QCOMPARE(journal(), QList<QStringList>(
                                {{"A", "K1", "Collezione K1", "Capo K1"}, {"A", "K3", "Collezione K3", "Capo K3"}}));
    }

    void aCardGoneFromItsArchiveIsJournaledAsNotFound()
    {
        MaintenanceWorkstation::installBuiltProgram(QStringLiteral("Fattix"), QStringLiteral("Fattix.exe"));
        m_world->writeIni(ini, QStringLiteral("Configurazione"), QStringLiteral("Ritardo"), QStringLiteral("0"));
        store::EseguiSql(QStringLiteral("C:\\Schede\\A.mdb"),
                         QStringLiteral("DELETE * FROM Modelli WHERE PCMTV = 'K3'"));
        m_world->prompter.expectMessage(question, Answer::Ok).expectMessage(done, Answer::Ok);
        explorer::MnuLWInviaFattura(*m_window);
        QCOMPARE(journal(),
                 QList<QStringList>({{"A", "K1", "Collezione K1", "Capo K1"}, {"A", "K3", "scheda non trovata", ""}}));
    }

    void cancellingTheQuestionWritesAndStartsNothing()
    {
        MaintenanceWorkstation::installRecorder(QStringLiteral("Fattix.exe"));
        m_world->prompter.expectMessage(question, Answer::Cancel);
        explorer::MnuLWInviaFattura(*m_window);
        QVERIFY(MaintenanceWorkstation::recordedCalls(QStringLiteral("Fattix.exe")).isEmpty());
        QCOMPARE(m_world->readIni(QStringLiteral("Tramex.ini"), QStringLiteral("Impostazioni"),
                                  QStringLiteral("Database corrente")),
                 std::nullopt);
    }

    void aMissingInvoicingProgramGoesToTheErrorDialog_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("finished");
        QTest::newRow("abort leaves the hand-off") << int(Answer::Abort) << false;
        QTest::newRow("ignore goes on with the next card") << int(Answer::Ignore) << true;
    }
    void aMissingInvoicingProgramGoesToTheErrorDialog()
    {
        QFETCH(int, answer);
        QFETCH(bool, finished);
        m_world->writeIni(ini, QStringLiteral("Configurazione"), QStringLiteral("Ritardo"), QStringLiteral("0"));
        const TextMatcher errorDialog = TextMatcher::contains(QStringLiteral("Durante FrmExplorer_MnuLWInviaFattura"));
        m_world->prompter.expectMessage(question, Answer::Ok).expectMessage(errorDialog, Answer(answer));
        if (finished)
            m_world->prompter.expectMessage(errorDialog, Answer::Ignore).expectMessage(done, Answer::Ok);
        explorer::MnuLWInviaFattura(*m_window);
        QVERIFY(m_world->prompter.prompts()[1].text.startsWith(QStringLiteral("Errore numero : 53\r")));
    }

    void theDelayIsHeldWithinWhatAPauseCanBe_data()
    {
        QTest::addColumn<QString>("ritardo");
        QTest::addColumn<int>("delay");
        QTest::newRow("plain") << QStringLiteral("1000") << 1000;
        QTest::newRow("the number at the start") << QStringLiteral("250 ms") << 250;
        QTest::newRow("rounded half to even, down") << QStringLiteral("12.5") << 12;
        QTest::newRow("rounded half to even, up") << QStringLiteral("13.5") << 14;
        QTest::newRow("hexadecimal") << QStringLiteral("&H20") << 32;
        QTest::newRow("no number") << QStringLiteral("mezzo secondo") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("negative") << QStringLiteral("-5") << 0;
        QTest::newRow("the largest") << QStringLiteral("32767") << 32767;
        QTest::newRow("beyond 16 bits") << QStringLiteral("40000") << 32767;
        QTest::newRow("beyond any number") << QStringLiteral("1e999") << 32767;
        QTest::newRow("below any number") << QStringLiteral("-1e999") << 0;
    }
    void theDelayIsHeldWithinWhatAPauseCanBe()
    {
        QFETCH(QString, ritardo);
        QFETCH(int, delay);
        QCOMPARE(explorer::handOffDelay(ritardo), delay);
    }

private:
    std::unique_ptr<MaintenanceWorkstation> m_world;
    QPointer<explorer::FrmExplorer> m_window;
};

TRAMEX_QT_TEST(InvoicingHandOffTest);

#include "InvoicingHandOffTest.moc"
