#include "WindowWorld.h"

#include "explorer/ExplorerMenus.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/CardArchiveSchema.h"
#include "explorer/store/engine/Engine.h"
#include "explorer/store/ExplorerState.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"

#include <QDir>
#include <QListWidget>
#include <QProcessEnvironment>
#include <QTest>
#include <QTreeWidget>
#include <array>

ArchiveHolder::ArchiveHolder(const QString& windowsPath, const QString& mode)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TRAMEX_WORKSTATION"), platform::Workstation::current().root());
    m_process.setProcessEnvironment(environment);
    m_process.start(qEnvironmentVariable("TRAMEX_BIN_DIR") + QStringLiteral("/store_lock_holder"), {windowsPath, mode});
    if (!m_process.waitForStarted(10000)) {
        m_status = QStringLiteral("not started");
        return;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
    }
    m_status = QString::fromUtf8(m_process.readLine()).trimmed();
}

ArchiveHolder::~ArchiveHolder()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
}

const QString WindowWorld::folder = QStringLiteral("C:\\Schede\\");

WindowWorld::WindowWorld()
{
    QDir().mkpath(hostPath(folder));
    store::explorerState().IniFileName = QStringLiteral("Schedex.ini");
    store::explorerState().DatabaseFolder = folder;
}

WindowWorld::~WindowWorld()
{
    delete m_window.data();
}

QString WindowWorld::hostPath(const QString& windowsPath)
{
    return platform::windowsPath::toHost(windowsPath);
}

void WindowWorld::makeArchive(const QString& fileName, const QList<Card>& cards) const
{
    const QString path = folder + fileName;
    store::CardArchiveSchema::createEmpty(path);
    if (cards.isEmpty())
        return;
    static const std::array<QString, 5> names{QStringLiteral("DescCollezione"), QStringLiteral("DescVariante"),
                                              QStringLiteral("DescCapo"), QStringLiteral("TagliaBase"),
                                              QStringLiteral("GammaTaglie")};
    store::Workspace workspace = store::Engine::instance().CreateWorkspace();
    store::Database database = workspace.OpenDatabase(path);
    store::Recordset rows = database.OpenRecordset(QStringLiteral("Modelli"));
    workspace.BeginTrans();
    for (const Card& card : cards) {
        rows.AddNew();
        rows.Fields(QStringLiteral("PCMTV")).SetValue(card.key);
        for (qsizetype field = 0; field < card.fields.size() && field < qsizetype(names.size()); ++field) {
            if (card.fields[field])
                rows.Fields(names[std::size_t(field)]).SetValue(*card.fields[field]);
        }
        rows.Update();
    }
    workspace.CommitTrans();
    workspace.Close();
}

WindowWorld::Card WindowWorld::card(const QString& key)
{
    return {key,
            {QStringLiteral("Collezione ") + key, QStringLiteral("Variante ") + key, QStringLiteral("Capo ") + key,
             QStringLiteral("42"), QStringLiteral("38,40,42")}};
}

void WindowWorld::makeArchiveWithKeys(const QString& name, const QStringList& keys) const
{
    QList<Card> cards;
    for (const QString& key : keys)
        cards.append(card(key));
    makeArchive(name + QStringLiteral(".mdb"), cards);
}

explorer::FrmExplorer& WindowWorld::openWindow()
{
    m_window = new explorer::FrmExplorer;
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window))
        QTest::qFail("the main window was not shown", __FILE__, __LINE__);
    return *m_window;
}

void WindowWorld::openArchive(const QString& name)
{
    QListWidget* archives = m_window->LVDB();
    QListWidgetItem* item = archiveItem(name);
    if (!item) {
        QTest::qFail(qPrintable(QStringLiteral("no archive ") + name), __FILE__, __LINE__);
        return;
    }
    archives->scrollToItem(item);
    // A press on an item already selected would start editing its label.
    archives->clearSelection();
    const QPoint centre = archives->visualItemRect(item).center();
    QTest::mouseClick(archives->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(archives->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

QStringList WindowWorld::archiveNames() const
{
    QStringList names;
    const QListWidget* archives = m_window->LVDB();
    for (int row = 0; row < archives->count(); ++row)
        names.append(archives->item(row)->text());
    return names;
}

QStringList WindowWorld::column(int column) const
{
    QStringList texts;
    const QTreeWidget* cards = m_window->LWModelli();
    for (int row = 0; row < cards->topLevelItemCount(); ++row)
        texts.append(cards->topLevelItem(row)->text(column));
    return texts;
}

QAction* WindowWorld::entry(const QString& name) const
{
    return m_window->menus().entry(name);
}

QListWidgetItem* WindowWorld::archiveItem(const QString& name) const
{
    return m_window->findArchiveItem(name);
}
