#include "ui/QtCopyProgress.h"

#include "platform/WindowsPath.h"

namespace ui {

namespace {

constexpr int steps = 1000;
constexpr int showAfterMilliseconds = 500;

} // namespace

QtCopyProgress::QtCopyProgress(QWidget* owner, const QString& from, const QString& to) : m_dialog(owner)
{
    m_dialog.setObjectName(QStringLiteral("CopyProgress"));
    m_dialog.setWindowTitle(QStringLiteral("Copia in corso..."));
    m_dialog.setLabelText(platform::windowsPath::namePart(from) + QStringLiteral("\nDa '") +
                          platform::windowsPath::folderPart(from) + QStringLiteral("' a '") +
                          platform::windowsPath::folderPart(to) + QLatin1Char('\''));
    m_dialog.setCancelButtonText(QStringLiteral("Annulla"));
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setRange(0, steps);
    m_dialog.setMinimumDuration(showAfterMilliseconds);
    m_dialog.setValue(0);
}

bool QtCopyProgress::advance(qint64 copied, qint64 total)
{
    m_dialog.setValue(total > 0 ? int(copied * steps / total) : steps);
    return !m_dialog.wasCanceled();
}

} // namespace ui
