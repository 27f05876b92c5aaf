#include "ui/SoundPlayer.h"

#include <canberra.h>

#include <QCoreApplication>
#include <QFile>

namespace ui {

namespace {

// All sounds share one id, so that a new one can cancel the one playing.
constexpr std::uint32_t soundId = 1;

} // namespace

SoundPlayer::~SoundPlayer()
{
    if (m_context)
        ca_context_destroy(m_context);
}

void SoundPlayer::play(const QString& hostPath)
{
    if (!m_context) {
        if (ca_context_create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            return;
        }
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME,
                                QCoreApplication::applicationName().toUtf8().constData(), nullptr);
    }
    ca_context_cancel(m_context, soundId);
    if (hostPath.isEmpty())
        return;
    ca_context_play(m_context, soundId, CA_PROP_MEDIA_FILENAME, QFile::encodeName(hostPath).constData(),
                    CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr);
}

} // namespace ui
