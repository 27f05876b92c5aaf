#include "explorer/ExplorerStatusBar.h"

#include <algorithm>

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTimer>

#include "interaction/Clock.h"
#include "interaction/Seams.h"
#include "interaction/Twips.h"

namespace explorer {

namespace {

using interaction::twips::toPixels;

constexpr int messagePanelTwips = 3000;
constexpr int clockPanelTwips = 1200;
constexpr int progressBarInsetTwips = 50;

QLabel* makePanel(const QString& name, QWidget* parent)
{
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

} // namespace

ExplorerStatusBar::ExplorerStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("STBar"));
    for (int i = 0; i < panelCount; ++i)
        m_panels[i] = makePanel(QStringLiteral("Panel") + QString::number(i + 1), this);
    m_panels[0]->setMinimumWidth(toPixels(messagePanelTwips));
    addWidget(m_panels[0]);
    addWidget(m_panels[1], 1);
    for (int i = 2; i < panelCount; ++i) {
        m_panels[i]->setFixedWidth(toPixels(clockPanelTwips));
        m_panels[i]->setAlignment(Qt::AlignCenter);
        addPermanentWidget(m_panels[i]);
    }

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("PrgBar"));
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();

    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &ExplorerStatusBar::showClock);
    m_clock->start(1000);
    showClock();
}

QLabel* ExplorerStatusBar::panel(int number) const
{
    return number >= 1 && number <= panelCount ? m_panels[number - 1] : nullptr;
}

void ExplorerStatusBar::setPanelText(int number, const QString& text)
{
    if (QLabel* label = panel(number))
        label->setText(text);
}

QString ExplorerStatusBar::panelText(int number) const
{
    const QLabel* label = panel(number);
    return label ? label->text() : QString();
}

void ExplorerStatusBar::SetProgBarPos()
{
    const QLabel* host = m_panels[1];
    const int barHeight = std::max(0, height() - toPixels(progressBarInsetTwips));
    m_progressBar->setGeometry(host->x(), (height() - barHeight) / 2, host->width(), barHeight);
    m_progressBar->raise();
}

void ExplorerStatusBar::showClock()
{
    const QDateTime now = interaction::Seams::clock().now();
    m_panels[2]->setText(now.toString(QStringLiteral("dd/MM/yyyy")));
    m_panels[3]->setText(now.toString(QStringLiteral("HH:mm")));
}

} // namespace explorer
