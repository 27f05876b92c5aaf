#include "tests/explorer/transfer/FakeCardTransferWindow.h"

#include "explorer/store/DeleteSelectedCards.h"
#include "explorer/store/ExplorerState.h"
#include "platform/RuntimeError.h"
#include "tests/explorer/transfer/TransferWorkstation.h"

namespace {

const int invalidPropertyValue = 380;

} // namespace

FakeCardTransferWindow::FakeCardTransferWindow(utilex::_UtilexClass& utility) : m_base(utility) {}

void FakeCardTransferWindow::fill()
{
    m_rows.clear();
    const QStringList cards = TransferWorkstation::rows(store::explorerState().currentArchivePath(true),
                                                        QStringLiteral("Select PCMTV from Modelli ORDER BY PCMTV"),
                                                        {QStringLiteral("PCMTV")});
    for (const QString& key : cards)
        m_rows.append({key, false});
}

void FakeCardTransferWindow::select(const QStringList& keys)
{
    for (FakeTransferWindow::Row& row : m_rows)
        row.selected = keys.contains(row.key);
}

QStringList FakeCardTransferWindow::keys() const
{
    QStringList result;
    for (const FakeTransferWindow::Row& row : m_rows)
        result.append(row.key);
    return result;
}

QStringList FakeCardTransferWindow::selectedKeys() const
{
    QStringList result;
    for (const FakeTransferWindow::Row& row : m_rows) {
        if (row.selected)
            result.append(row.key);
    }
    return result;
}

void FakeCardTransferWindow::setStatusText(const QString& text)
{
    m_log.append(QStringLiteral("status ") + text);
}

void FakeCardTransferWindow::placeProgressBar()
{
    m_log.append(QStringLiteral("place"));
}

void FakeCardTransferWindow::setProgressBarVisible(bool visible)
{
    m_log.append(QStringLiteral("visible %1").arg(visible ? 1 : 0));
}

// As the platform's progress bar: a maximum below 1 or a value out of range is refused.
void FakeCardTransferWindow::setProgressMaximum(int maximum)
{
    if (maximum < 1)
        throw platform::RuntimeError(invalidPropertyValue);
    m_maximum = maximum;
    m_log.append(QStringLiteral("maximum %1").arg(maximum));
}

void FakeCardTransferWindow::setProgressValue(int value)
{
    if (value < m_minimum || value > m_maximum)
        throw platform::RuntimeError(invalidPropertyValue);
    m_log.append(QStringLiteral("value %1").arg(value));
}

void FakeCardTransferWindow::setProgressMinimum(int minimum)
{
    m_minimum = minimum;
    m_log.append(QStringLiteral("minimum %1").arg(minimum));
}

void FakeCardTransferWindow::clearDropHighlight()
{
    m_dropTarget.reset();
    m_log.append(QStringLiteral("highlight cleared"));
}

void FakeCardTransferWindow::setRowGhosted(int row, bool ghosted)
{
    m_log.append(QStringLiteral("ghost %1 %2").arg(row).arg(ghosted ? 1 : 0));
}

void FakeCardTransferWindow::clearDragImage()
{
    m_log.append(QStringLiteral("drag image cleared"));
}

void FakeCardTransferWindow::MnuEliminaScheda(bool ask)
{
    m_log.append(QStringLiteral("delete ask %1").arg(ask ? 1 : 0));
    store::DeleteSelectedCards(*this);
    fill();
}

void FakeCardTransferWindow::LVDB_DblClick()
{
    store::explorerState().CurrentArchive = m_selectedArchive.value_or(QString()).toUpper();
    m_log.append(QStringLiteral("open ") + store::explorerState().CurrentArchive);
    if (!store::explorerState().CurrentArchive.isEmpty())
        fill();
}
