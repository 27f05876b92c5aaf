#pragma once

#include <QString>

struct ca_context;

namespace ui {

// Sound files played as the platform's simple sound call plays them asynchronously: the call
// returns while the sound plays, a new sound takes the place of the one playing, and the sound
// stops with the player. Over libcanberra, the desktop's event sound library, on whatever sound
// system the desktop runs; without one nothing plays and nothing is reported.
class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // An empty path stops the sound that plays.
    void play(const QString& hostPath);

private:
    ca_context* m_context = nullptr;
};

} // namespace ui
