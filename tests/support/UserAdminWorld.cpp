#include "tests/support/UserAdminWorld.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "explorer/store/engine/DatabaseSession.h"
#include "explorer/store/engine/Engine.h"
#include "useradmin/FrmMain.h"
#include "useradmin/StartUp.h"
#include "useradmin/configdb/ConfigDatabaseSchema.h"
#include "useradmin/configdb/OperatoriColumns.h"

namespace {

const QByteArray drives = "[Drive C]\r\nPath=drive_c\r\nType=fixed\r\n"
                          "[System]\r\nWindowsDir=C:\\WINDOWS\r\nUserName=modellista\r\n";

template <class Control> Control* found(const useradmin::FrmMain& window, const char* name)
{
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        QTest::qFail(name, __FILE__, __LINE__);
    return control;
}

// Makes the process Permix in C:\Tramex, with Utilex4 registered; its error log.
interaction::ErrorLog runAsPermix(const QString& programFolder)
{
    TestWorkstation::registerBuilt(QStringLiteral("Utilex4.dll"));
    common::program::setName(QStringLiteral("Permix"));
    common::program::setFolder(programFolder);
    return useradmin::programErrorLog();
}

QString digit(const automation::Variant& value)
{
    return !value.isNull() && value.toDouble() != 0 ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

const QString UserAdminWorld::programFolder = QStringLiteral("C:\\Tramex");
const QString UserAdminWorld::configDatabase = QStringLiteral("C:\\Tramex\\Tramex Config.mdb");

UserAdminWorld::UserAdminWorld()
    : TestWorkstation(drives), ScriptedSeams(QStringLiteral("Permix"), &failQtTest), m_log(runAsPermix(programFolder))
{
    m_logInstallation.setErrorLog(m_log);
    makeFolder(programFolder);
    writeIni(QStringLiteral("TramexHardConfig.ini"), QStringLiteral("Generale"), QStringLiteral("TxtPathTramexCFG"),
             programFolder + QLatin1Char('\\'));
}

UserAdminWorld::~UserAdminWorld()
{
    delete m_window.data();
    common::releaseUtility();
}

void UserAdminWorld::makeConfigDatabase(const QList<useradmin::UserFields>& users)
{
    useradmin::ConfigDatabaseSchema::createEmpty(configDatabase);
    using namespace useradmin::operatori;
    using automation::Variant;
    store::DatabaseSession session;
    auto& [workspace, database, rows] = session;
    workspace = store::Engine::instance().CreateWorkspace();
    database = workspace.OpenDatabase(configDatabase);
    rows = database.OpenRecordset(Table);
    for (const useradmin::UserFields& user : users) {
        rows.AddNew();
        rows.Fields(Login).SetValue(user.Login);
        rows.Fields(Nome).SetValue(user.Nome);
        rows.Fields(Cognome).SetValue(user.Cognome);
        rows.Fields(Password).SetValue(user.Password);
        rows.Fields(SoloLettura).SetValue(Variant::fromBoolean(user.SoloLettura));
        rows.Fields(Stampa).SetValue(Variant::fromBoolean(user.Stampa));
        for (std::size_t right = 0; right < Rights.size(); ++right)
            rows.Fields(Rights[right]).SetValue(Variant::fromBoolean(user.Autorizza[right]));
        rows.Update();
    }
    session.close();
}

useradmin::UserFields UserAdminWorld::user(const QString& login, const QString& nome, const QString& cognome,
                                           const QString& password)
{
    useradmin::UserFields fields;
    fields.Login = login;
    fields.Nome = nome;
    fields.Cognome = cognome;
    fields.Password = password;
    fields.ConfermaPWD = password;
    return fields;
}

QStringList UserAdminWorld::users()
{
    using namespace useradmin::operatori;
    store::DatabaseSession session;
    auto& [workspace, database, rows] = session;
    workspace = store::Engine::instance().CreateWorkspace();
    database = workspace.OpenDatabase(configDatabase, false, true);
    rows = database.OpenRecordset(Table);
    QStringList result;
    for (; !rows.Eof(); rows.MoveNext()) {
        QStringList texts;
        for (const QString& column : {Login, Nome, Cognome, Password})
            texts.append(rows.Fields(column).Value().toString());
        QString truths = digit(rows.Fields(SoloLettura).Value()) + digit(rows.Fields(Stampa).Value());
        for (const QString& right : Rights)
            truths += digit(rows.Fields(right).Value());
        texts.append(truths);
        result.append(texts.join(u'|'));
    }
    session.close();
    return result;
}

QStringList UserAdminWorld::logLines()
{
    const QByteArray log = readFile(programFolder + QStringLiteral("\\Tramex.log"));
    if (log == "<missing>")
        return {};
    QStringList lines = QString::fromLatin1(log).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

useradmin::FrmMain& UserAdminWorld::openWindow()
{
    m_window = useradmin::startUp(QStringLiteral("Tramex"));
    if (!m_window || !QTest::qWaitForWindowExposed(m_window))
        QTest::qFail("the window was not shown", __FILE__, __LINE__);
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window))
        QTest::qFail("the window did not become active", __FILE__, __LINE__);
    return *m_window;
}

QListWidget* UserAdminWorld::LstUtenti() const
{
    return found<QListWidget>(*m_window, "LstUtenti");
}

QTabWidget* UserAdminWorld::SSTabDatiUtenti() const
{
    return found<QTabWidget>(*m_window, "SSTabDatiUtenti");
}

QLineEdit* UserAdminWorld::box(const char* name) const
{
    return found<QLineEdit>(*m_window, name);
}

QCheckBox* UserAdminWorld::check(const char* name) const
{
    return found<QCheckBox>(*m_window, name);
}

QList<QCheckBox*> UserAdminWorld::ChkAutorizza() const
{
    return m_window->findChildren<QCheckBox*>(QStringLiteral("ChkAutorizza"));
}

QPushButton* UserAdminWorld::button(const char* name) const
{
    return found<QPushButton>(*m_window, name);
}

QStringList UserAdminWorld::listed() const
{
    QStringList logins;
    for (int row = 0; row < LstUtenti()->count(); ++row)
        logins.append(LstUtenti()->item(row)->text());
    return logins;
}

QString UserAdminWorld::shown() const
{
    QStringList texts;
    for (const char* name : {"TxtLogin", "TxtNome", "TxtCognome", "TxtPassword", "TxtConfermaPWD"})
        texts.append(box(name)->text());
    QString truths;
    for (const QCheckBox* checkBox : QList<QCheckBox*>{check("ChkSoloLettura"), check("ChkStampa")} + ChkAutorizza())
        truths += checkBox->isChecked() ? u'1' : u'0';
    texts.append(truths);
    return texts.join(u'|');
}

void UserAdminWorld::clickUser(const QString& login) const
{
    QListWidget* list = LstUtenti();
    const QList<QListWidgetItem*> items = list->findItems(login, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (items.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("no user ") + login), __FILE__, __LINE__);
        return;
    }
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(items.first()).center());
}

void UserAdminWorld::type(const char* boxName, const QString& text) const
{
    QLineEdit* edit = box(boxName);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void UserAdminWorld::clickCheckBox(QCheckBox* box) const
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect clickable = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, clickable.center());
}

void UserAdminWorld::showTab(int index) const
{
    QTabBar* tabs = SSTabDatiUtenti()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(index).center());
    if (SSTabDatiUtenti()->currentIndex() != index)
        QTest::qFail("the tab was not shown", __FILE__, __LINE__);
    QApplication::processEvents();
}

void UserAdminWorld::pressMnemonic(const char* buttonName, Qt::Key key) const
{
    QSignalSpy clicked(button(buttonName), &QAbstractButton::clicked);
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : m_window.data(), key, Qt::AltModifier);
    if (clicked.isEmpty() && !clicked.wait(2000))
        QTest::qFail(qPrintable(QStringLiteral("Alt+%1 did not click %2")
                                    .arg(QKeySequence(key).toString(), QString::fromLatin1(buttonName))),
                     __FILE__, __LINE__);
}
