#pragma once
// The sound switches and the single playback channel as the logic sees them.

#include <string>

namespace vantry::sound {

struct SoundState {
    // The three switches of the sound settings; all on at startup, never saved.
    bool musicOn = true;
    bool systemSoundsOn = true;    // effects: dealing, card clicks, plays, buttons
    bool functionSoundsOn = true;  // the countdown tick; also cleared when the device fails
    // A sound is loaded in the channel (the one playing or last played).
    bool bufferLoaded = false;
    // The client's folder; every sound path starts from it.
    std::string clientFolder;
};

}  // namespace vantry::sound
