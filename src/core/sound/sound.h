#pragma once
// Sound effects, voices and music through the one playback channel. Every new
// sound cuts off the one before it, so the looping background music ends as
// soon as any effect or voice plays and only comes back when music is switched
// on again. Missing files are silent.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/client.h"

namespace vantry::sound {

// Volumes run from 0 (30 dB down) to 3000 (full volume).
inline constexpr int kFullVolume = 3000;

// Files of the shared sound folder, relative to its root.
inline constexpr std::string_view kBackgroundMusic = "music/majiang.wav";
inline constexpr std::string_view kCountdownTick = "music/tishi.wav";

enum class Effect {
    Deal,         // the local hand is dealt
    CardRaised,   // a card raised by a click
    CardLowered,  // a card lowered by a click
    PlayShown,    // a play is shown on the table
    Pass,         // the pass button
    Hint,         // the hint button
    Settlement,   // the settlement board is shown
};
std::string_view EffectFile(Effect effect);

// The voice fields of a player record that choose a seat's voice.
struct VoiceFields {
    std::string voiceSet;           // "27" once voices are assigned
    std::string voiceVariant;       // "10", "20", "30" or "40"
    std::uint8_t sex = 1;           // 1 male, 0 female
    std::uint8_t voiceSexCode = 3;  // 3 male, 2 female
};

// clientFolder + "/../common/" + relative.
std::string SharedSoundPath(std::string_view clientFolder, std::string_view relative);
// The voice of a declaration: the code in upper-case hexadecimal names the file
// (code 1024 is ".../v<voice>400.wav"). Empty when a voice text holds anything
// but ASCII letters and digits: such a name cannot be one of ours.
std::string DeclarationVoicePath(std::string_view clientFolder, const VoiceFields& voice,
                                 std::uint16_t code);
// The voice of a quick phrase: letter and number name the clip
// (".../v<voice>a3.wav"). Empty under the same rule as above.
std::string QuickPhraseVoicePath(std::string_view clientFolder, const VoiceFields& voice,
                                 char letter, int number);

// --- the channel ----------------------------------------------------------------
// Opens the output device; without one the function sounds are switched off.
void InitSound(app::Client& client);
// Stops and releases the current sound and plays the file once or in a loop.
void PlaySoundFile(app::Client& client, const std::string& path, bool looping);
// Stops the current sound and rewinds it.
void StopSound(app::Client& client);
// Volume 0..3000 as attenuation of the current sound; other values are ignored.
void SetSoundVolume(app::Client& client, int volume);

// --- the moments that make sounds ---------------------------------------------
// Startup: all switches on, the device opened and the background music looping
// (attempted even without a device, and then silent).
void StartSound(app::Client& client);
// The background music, looping at full volume (startup, music switched on).
void StartMusic(app::Client& client);
// An effect, when system sounds are on.
void PlayEffect(app::Client& client, Effect effect);
// The countdown tick of the last five seconds, when function sounds are on.
void PlayCountdownTick(app::Client& client);
// A seat's declaration or quick-phrase voice; voices are never switched off.
void PlayDeclarationVoice(app::Client& client, const VoiceFields& voice, std::uint16_t code);
void PlayQuickPhraseVoice(app::Client& client, const VoiceFields& voice, char letter, int number);
// Shutdown: the channel is stopped unless the device failed.
void ShutdownSound(app::Client& client);

}  // namespace vantry::sound
