#pragma once
// The interface of the player every sound of the program goes through: the real one (a plugin
// over PulseAudio) or, in tests, one that records what it is asked to play.
#include <QString>

namespace ModuloColoriSuoni {

// Plays sound files in the background. `suona` replaces everything playing or waiting and
// starts at once, so an answer cuts off the sound before it; a file it cannot play gives the
// platform's alert sound instead. `accoda` plays a file after everything playing or waiting,
// for sentences that follow each other; a file it cannot play is left out. `ferma` silences
// everything.
class Lettore {
public:
    virtual ~Lettore() = default;
    virtual void suona(const QString& percorso) = 0;
    virtual void accoda(const QString& percorso) = 0;
    virtual void ferma() = 0;
};

}  // namespace ModuloColoriSuoni
