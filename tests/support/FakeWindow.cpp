#include "tests/support/FakeWindow.h"

#include <stdexcept>

#include "explorer/store/DeleteSelectedCards.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/Seams.h"
#include "tests/support/CardArchives.h"

void FakeWindow::fill()
{
    m_rows.clear();
    const QStringList cards =
        CardArchives::rows(store::explorerState().currentArchivePath(true),
                           QStringLiteral("Select PCMTV from Modelli ORDER BY PCMTV"), {QStringLiteral("PCMTV")});
    for (const QString& key : cards)
        m_rows.append({key, false});
}

void FakeWindow::select(const QStringList& keys)
{
    for (Row& row : m_rows)
        row.selected = keys.contains(row.key);
}

QStringList FakeWindow::keys() const
{
    QStringList result;
    for (const Row& row : m_rows)
        result.append(row.key);
    return result;
}

QStringList FakeWindow::selectedKeys() const
{
    QStringList result;
    for (const Row& row : m_rows) {
        if (row.selected)
            result.append(row.key);
    }
    return result;
}

QString FakeWindow::browseForFolder(const QString& title)
{
    return interaction::Seams::prompter().browseForFolder(this, title);
}

QString FakeWindow::openFileDialog(const QList<interaction::FileFilter>& filter, const QString& initialFolder,
                                   const std::optional<QString>& title)
{
    return interaction::Seams::prompter().openFile(
        {this, filter, initialFolder, title.value_or(QStringLiteral("Seleziona il file da aprire"))});
}

void FakeWindow::showArchive(const QString& archiveName)
{
    m_progress.record(QStringLiteral("show ") + archiveName);
}

QString FakeWindow::chooseAccumarkArea()
{
    m_progress.record(QStringLiteral("choose"));
    return m_chosenArea;
}

utilex::_UtilexClass& FakeWindow::utility()
{
    if (!m_utility)
        throw std::logic_error("this fake window was made without a utility object");
    return *m_utility;
}

void FakeWindow::clearDropHighlight()
{
    m_dropTarget.reset();
    m_progress.record(QStringLiteral("highlight cleared"));
}

void FakeWindow::setRowGhosted(int row, bool ghosted)
{
    m_progress.record(QStringLiteral("ghost %1 %2").arg(row).arg(ghosted ? 1 : 0));
}

void FakeWindow::clearDragImage()
{
    m_progress.record(QStringLiteral("drag image cleared"));
}

void FakeWindow::MnuEliminaScheda(bool ask)
{
    m_progress.record(QStringLiteral("delete ask %1").arg(ask ? 1 : 0));
    store::DeleteSelectedCards(*this);
    fill();
}

void FakeWindow::LVDB_DblClick()
{
    store::ExplorerState& state = store::explorerState();
    state.CurrentArchive = m_selectedArchive.value_or(QString()).toUpper();
    m_progress.record(QStringLiteral("open ") + state.CurrentArchive);
    if (!state.CurrentArchive.isEmpty())
        fill();
}
