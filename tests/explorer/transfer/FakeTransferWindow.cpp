#include "tests/explorer/transfer/FakeTransferWindow.h"

#include "interaction/Seams.h"
#include "platform/RuntimeError.h"

namespace {

const int invalidPropertyValue = 380;

} // namespace

FakeTransferWindow::FakeTransferWindow(utilex::_UtilexClass& utility, QList<Row> rows)
    : m_utility(utility), m_rows(std::move(rows))
{
}

QStringList FakeTransferWindow::selectedKeys() const
{
    QStringList keys;
    for (const Row& row : m_rows) {
        if (row.selected)
            keys.append(row.key);
    }
    return keys;
}

void FakeTransferWindow::setStatusText(const QString& text)
{
    m_log.append(QStringLiteral("status ") + text);
}

void FakeTransferWindow::placeProgressBar()
{
    m_log.append(QStringLiteral("place"));
}

void FakeTransferWindow::setProgressBarVisible(bool visible)
{
    m_log.append(QStringLiteral("visible %1").arg(visible ? 1 : 0));
}

// As the platform's progress bar: a maximum below 1 is refused.
void FakeTransferWindow::setProgressMaximum(int maximum)
{
    if (maximum < 1)
        throw platform::RuntimeError(invalidPropertyValue);
    m_maximum = maximum;
    m_log.append(QStringLiteral("maximum %1").arg(maximum));
}

void FakeTransferWindow::setProgressValue(int value)
{
    if (value < 0 || value > m_maximum)
        throw platform::RuntimeError(invalidPropertyValue);
    m_log.append(QStringLiteral("value %1").arg(value));
}

QString FakeTransferWindow::browseForFolder(const QString& title)
{
    return interaction::Seams::prompter().browseForFolder(this, title);
}

QString FakeTransferWindow::openFileDialog(const QList<interaction::FileFilter>& filter, const QString& initialFolder,
                                           const std::optional<QString>& title)
{
    return interaction::Seams::prompter().openFile(
        {this, filter, initialFolder, title.value_or(QStringLiteral("Seleziona il file da aprire"))});
}

void FakeTransferWindow::showArchive(const QString& archiveName)
{
    m_log.append(QStringLiteral("show ") + archiveName);
}

QString FakeTransferWindow::chooseAccumarkArea()
{
    m_log.append(QStringLiteral("choose"));
    return m_chosenArea;
}
