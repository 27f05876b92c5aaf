#include "explorer/ArchiveMaintenance.h"

#include <algorithm>

#include <QListWidget>
#include <QProgressBar>

#include "common/ChildProgram.h"
#include "common/Utility.h"
#include "explorer/CardListView.h"
#include "explorer/ExplorerStatusBar.h"
#include "explorer/FrmExplorer.h"
#include "explorer/store/DeleteSelectedCards.h"
#include "explorer/store/ExplorerState.h"
#include "explorer/transfer/TextRules.h"
#include "interaction/BusyPointer.h"
#include "interaction/Seams.h"
#include "interaction/SkipFailingSteps.h"
#include "interaction/TrapAndAsk.h"
#include "platform/Files.h"
#include "platform/WindowsPath.h"
#include "ui/FileDialogs.h"

namespace explorer {

namespace {

using interaction::Answer;
using interaction::Buttons;
using interaction::DefaultButton;
using interaction::Icon;

const QString invalidNameCharacters = QStringLiteral("\"`':;!@#$%^&+*{}][><,/?");
const QString archiveExtension = QStringLiteral(".mdb");

store::ExplorerState& state()
{
    return store::explorerState();
}

QString dbrefit()
{
    return common::childProgram::besideProgram(QStringLiteral("Dbrefit.exe"));
}

QString leftString(const QString& text, const QString& separator)
{
    QString textArgument = text;
    QString separatorArgument = separator;
    return common::utility().LeftString(textArgument, separatorArgument);
}

bool fileExists(const QString& path)
{
    QString argument = path;
    return common::utility().FileExists(argument) != 0;
}

bool holdsInvalidCharacter(const QString& name)
{
    return std::any_of(name.begin(), name.end(),
                       [](QChar character) { return invalidNameCharacters.contains(character); });
}

// The new archive's file: its name cut before the first full stop, with ".Mdb". Only the name is
// cut, so a folder with a full stop in its name keeps the archive inside it. Empty when no name
// is left.
QString newArchivePath(const QString& typedPath)
{
    const QString folder = platform::windowsPath::folderPart(typedPath);
    const QString name =
        leftString(leftString(platform::windowsPath::namePart(typedPath), QStringLiteral(".")), QString(QChar(0)));
    if (transfer::trimBlanks(name).isEmpty())
        return {};
    return folder + name + QStringLiteral(".Mdb");
}

Answer ask(const QString& text, Buttons buttons, Icon icon, DefaultButton defaultButton, const QString& title)
{
    return interaction::Seams::prompter().message(text, buttons, icon, defaultButton, title);
}

void sayArchiveExists()
{
    ask(QStringLiteral("Archivio schede gia' esistente"), Buttons::Ok, Icon::Critical, DefaultButton::First,
        QStringLiteral("Problema !"));
}

// The progress bar over the status bar for one compaction; panel 1 is cleared and the bar hidden
// however the compaction ends.
class CompactionProgress {
public:
    explicit CompactionProgress(FrmExplorer& window) : m_window(window)
    {
        m_window.SetProgBarPos();
        QProgressBar* bar = m_window.PrgBar();
        bar->setMinimum(0);
        bar->setValue(1);
        bar->show();
    }
    ~CompactionProgress()
    {
        m_window.STBar()->setPanelText(1, QString());
        m_window.PrgBar()->hide();
    }
    CompactionProgress(const CompactionProgress&) = delete;
    CompactionProgress& operator=(const CompactionProgress&) = delete;

    // The platform's bar takes no maximum below 1; an empty selection shows an empty bar.
    void setMaximum(int maximum) { m_window.PrgBar()->setMaximum(std::max(maximum, 1)); }
    void setValue(int value) { m_window.PrgBar()->setValue(value); }

private:
    FrmExplorer& m_window;
};

} // namespace

ArchiveMaintenance::ArchiveMaintenance(FrmExplorer& window) : m_window(window) {}

QString ArchiveMaintenance::procedureName(const QString& procedure) const
{
    return m_window.objectName() + u'_' + procedure;
}

void ArchiveMaintenance::MnuNuovoArchivioSchede()
{
    const QList<interaction::FileFilter> filter = {{QStringLiteral("Database Mdb (*.Mdb)"), QStringLiteral("*.Mdb")}};
    const QString buffer = ui::SaveFileDialog(&m_window, filter, state().DatabaseFolder,
                                              QStringLiteral("Inserisci il nome del nuovo archivio schede"));
    const QString typedPath = transfer::trimBlanks(leftString(buffer, QString(QChar(0))));
    if (fileExists(typedPath + archiveExtension)) {
        sayArchiveExists();
        return;
    }
    if (!typedPath.isEmpty()) {
        const QString path = newArchivePath(typedPath);
        // Typed with its extension, the name escapes the test above; the utility would then fail
        // on the existing file without a word.
        if (!path.isEmpty() && fileExists(path)) {
            sayArchiveExists();
            return;
        }
        if (!path.isEmpty() && common::childProgram::exists(dbrefit())) {
            interaction::TrapAndAsk procedure(procedureName(QStringLiteral("MnuNuovoArchivioSchede")));
            if (!procedure.step(
                    [&] { common::childProgram::runAndWait(dbrefit() + QStringLiteral(" create,") + path); }))
                return;
        }
    }
    m_window.FillLVDB();
    markOpenArchive();
}

void ArchiveMaintenance::MnuDBCompatta()
{
    QListWidget* archives = m_window.LVDB();
    CompactionProgress progress(m_window);
    progress.setMaximum(int(archives->selectedItems().size()));
    if (!common::childProgram::exists(dbrefit()))
        return;
    const interaction::BusyPointer hourglass;
    interaction::TrapAndAsk procedure(procedureName(QStringLiteral("MnuDBCompatta")));
    int compacted = 0;
    for (int row = 0; row < archives->count(); ++row) {
        QListWidgetItem* item = archives->item(row);
        if (!item->isSelected())
            continue;
        ++compacted;
        m_window.STBar()->setPanelText(1, QStringLiteral("Compatta: ") + item->text());
        const QString commandLine =
            dbrefit() + QStringLiteral(" convert,") + state().DatabaseFolder + item->text() + archiveExtension;
        if (!procedure.step([&] { common::childProgram::runAndWait(commandLine); }))
            return;
        item->setSelected(false);
        progress.setValue(compacted);
    }
}

void ArchiveMaintenance::MnuDBCompattaTutti()
{
    QListWidget* archives = m_window.LVDB();
    CompactionProgress progress(m_window);
    if (!common::childProgram::exists(dbrefit()))
        return;
    const interaction::BusyPointer hourglass;
    progress.setMaximum(archives->count());
    interaction::TrapAndAsk procedure(procedureName(QStringLiteral("MnuDBCompattaTutti")));
    for (int row = 0; row < archives->count(); ++row) {
        const QString commandLine =
            dbrefit() + QStringLiteral(" convert,") + state().DatabaseFolder + archives->item(row)->text();
        if (!procedure.step([&] { common::childProgram::runAndWait(commandLine); }))
            return;
        progress.setValue(row + 1);
    }
}

void ArchiveMaintenance::MnuDBElimina()
{
    if (ask(QStringLiteral("Confermi la cancellazione degli archivi selezionati ?"), Buttons::YesNo, Icon::Question,
            DefaultButton::Second, QStringLiteral("Richiesta di cancellazione")) != Answer::Yes)
        return;
    interaction::SkipFailingSteps procedure;
    QListWidget* archives = m_window.LVDB();
    for (int row = 0; row < archives->count(); ++row) {
        QListWidgetItem* item = archives->item(row);
        if (!item->isSelected())
            continue;
        procedure.step([&] {
            if (item->text() == state().CurrentArchive)
                m_window.cardList().clear();
        });
        procedure.step([&] { platform::files::removeFile(state().DatabaseFolder + item->text() + archiveExtension); });
        procedure.step([&] { item->setSelected(false); });
    }
    procedure.step([&] { m_window.FillLVDB(); });
    procedure.step([&] { markOpenArchive(); });
}

void ArchiveMaintenance::MnuEliminaScheda(bool askFirst)
{
    if (askFirst && ask(QStringLiteral("Confermi l'eliminazione della/e scheda/e selezionata/e") + QStringLiteral(" ?"),
                        Buttons::YesNo, Icon::Exclamation, DefaultButton::Second,
                        QStringLiteral("Elimina scheda/e da archivio")) != Answer::Yes)
        return;
    store::DeleteSelectedCards(m_window.cardListWindow());
    QListWidget* archives = m_window.LVDB();
    for (int row = 0; row < archives->count(); ++row) {
        QListWidgetItem* item = archives->item(row);
        if (m_window.archiveIcon(item) != 2)
            continue;
        m_window.setArchiveIcon(item, 1);
        state().CurrentArchive = item->text();
        archives->setCurrentItem(item);
        break;
    }
    m_window.LVDB_DblClick();
}

// The typed label stays only when the archive's file now has that name; otherwise the list
// would show a name that no file has, or the name of another archive.
bool ArchiveMaintenance::LVDB_AfterLabelEdit(QListWidgetItem* item, const QString& newName)
{
    if (!item || transfer::trimBlanks(newName).isEmpty())
        return false;
    if (holdsInvalidCharacter(newName)) {
        ask(QStringLiteral("Caratteri in nome file non validi"), Buttons::Ok, Icon::Critical, DefaultButton::First,
            QStringLiteral("Trovati caratteri invalidi in nome file"));
        return false;
    }
    const QString target = state().DatabaseFolder + newName + archiveExtension;
    if (fileExists(target))
        return false;
    bool renamed = false;
    interaction::TrapAndAsk procedure(procedureName(QStringLiteral("LVDB_AfterLabelEdit")));
    procedure.step([&] {
        platform::files::rename(state().DatabaseFolder + item->text() + archiveExtension, target);
        renamed = true;
    });
    return renamed;
}

void ArchiveMaintenance::markOpenArchive()
{
    if (state().CurrentArchive.isEmpty())
        return;
    if (QListWidgetItem* item = m_window.findArchiveItem(state().CurrentArchive))
        m_window.setArchiveIcon(item, 2);
}

} // namespace explorer
