#include "backup/FrmOneProgress.h"

#include <QLabel>
#include <QProgressBar>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace backup {

FrmOneProgress::FrmOneProgress(QLabel& statusText, QProgressBar& progressBar)
    : m_statusText(statusText), m_progressBar(progressBar)
{
}

void FrmOneProgress::setStatusText(const QString& text)
{
    m_statusText.setText(text);
}

void FrmOneProgress::placeProgressBar()
{
    // The bar keeps its own place beside the buttons.
}

void FrmOneProgress::setProgressBarVisible(bool visible)
{
    m_progressBar.setVisible(visible);
}

void FrmOneProgress::setProgressMinimum(int minimum)
{
    if (minimum > m_progressBar.maximum())
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    m_progressBar.setMinimum(minimum);
}

void FrmOneProgress::setProgressMaximum(int maximum)
{
    if (maximum < 1 || maximum < m_progressBar.minimum())
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    m_progressBar.setMaximum(maximum);
}

void FrmOneProgress::setProgressValue(int value)
{
    if (value < m_progressBar.minimum() || value > m_progressBar.maximum())
        throw platform::RuntimeError(platform::InvalidPropertyValue);
    m_progressBar.setValue(value);
}

} // namespace backup
