#include "tests/explorer/store/FakeCardListWindow.h"

#include "platform/RuntimeError.h"

namespace {

const int invalidPropertyValue = 380;

} // namespace

QStringList FakeCardListWindow::selectedKeys() const
{
    QStringList keys;
    for (const Row& row : m_rows) {
        if (row.selected)
            keys.append(row.key);
    }
    return keys;
}

void FakeCardListWindow::setStatusText(const QString& text)
{
    m_log.append(QStringLiteral("status ") + text);
}

void FakeCardListWindow::placeProgressBar()
{
    m_log.append(QStringLiteral("place"));
}

void FakeCardListWindow::setProgressBarVisible(bool visible)
{
    m_visible = visible;
    m_log.append(visible ? QStringLiteral("show") : QStringLiteral("hide"));
}

void FakeCardListWindow::setProgressMaximum(int maximum)
{
    if (maximum < 1) {
        m_log.append(QStringLiteral("refused maximum ") + QString::number(maximum));
        throw platform::RuntimeError(invalidPropertyValue);
    }
    m_maximum = maximum;
    m_log.append(QStringLiteral("maximum ") + QString::number(maximum));
}

void FakeCardListWindow::setProgressValue(int value)
{
    if (value < 0 || value > m_maximum) {
        m_log.append(QStringLiteral("refused value ") + QString::number(value));
        throw platform::RuntimeError(invalidPropertyValue);
    }
    m_log.append(QStringLiteral("value ") + QString::number(value));
}
