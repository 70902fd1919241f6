#include "sound/sound.h"

#include <algorithm>
#include <cstdio>

namespace vantry::sound {
namespace {

// Voice texts come from the server; only plain names can be voice files, so a
// text with separators or dots never leads out of the voice folder.
bool IsPlainName(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// "v" + voice set + voice variant + sex + voice sex code, in the folder given;
// empty when the voice texts are not plain names.
std::string VoicePrefix(std::string_view clientFolder, std::string_view folder,
                        const VoiceFields& voice) {
    if (!IsPlainName(voice.voiceSet) || !IsPlainName(voice.voiceVariant))
        return {};
    return SharedSoundPath(clientFolder, folder) + "v" + voice.voiceSet + voice.voiceVariant +
           std::to_string(voice.sex) + std::to_string(voice.voiceSexCode);
}

void PlayOnceAtFullVolume(app::Client& client, const std::string& path) {
    PlaySoundFile(client, path, false);
    SetSoundVolume(client, kFullVolume);
}

}  // namespace

std::string_view EffectFile(Effect effect) {
    switch (effect) {
        case Effect::Deal:
            return "voices/sys010.wav";
        case Effect::CardRaised:
            return "pk/sys020.wav";
        case Effect::CardLowered:
            return "pk/sys030.wav";
        case Effect::PlayShown:
            return "pk/sys070.wav";
        case Effect::Pass:
            return "pk/sys080.wav";
        case Effect::Hint:
            return "pk/sys110.wav";
        case Effect::Settlement:
            return "pk/sys150.wav";
    }
    return {};
}

std::string SharedSoundPath(std::string_view clientFolder, std::string_view relative) {
    std::string path(clientFolder);
    path += "/../common/";
    path += relative;
    return path;
}

std::string DeclarationVoicePath(std::string_view clientFolder, const VoiceFields& voice,
                                 std::uint16_t code) {
    std::string prefix = VoicePrefix(clientFolder, "vantry/", voice);
    if (prefix.empty())
        return {};
    char hex[8];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(code));
    return prefix + hex + ".wav";
}

std::string QuickPhraseVoicePath(std::string_view clientFolder, const VoiceFields& voice,
                                 char letter, int number) {
    std::string prefix = VoicePrefix(clientFolder, "tianjin/", voice);
    if (prefix.empty() || !IsPlainName(std::string_view(&letter, 1)))
        return {};
    return prefix + letter + std::to_string(number) + ".wav";
}

void InitSound(app::Client& client) {
    if (!client.ports.sound.Open())
        client.sound.functionSoundsOn = false;
}

void PlaySoundFile(app::Client& client, const std::string& path, bool looping) {
    const platform::SoundResult result = client.ports.sound.Play(path, looping);
    client.sound.bufferLoaded = result == platform::SoundResult::Played;
    if (result == platform::SoundResult::DeviceFailed)
        client.sound.functionSoundsOn = false;
}

void StopSound(app::Client& client) {
    if (!client.sound.bufferLoaded)
        return;
    if (!client.ports.sound.Stop())
        client.sound.functionSoundsOn = false;
}

void SetSoundVolume(app::Client& client, int volume) {
    if (volume < 0 || volume > kFullVolume)
        return;
    if (client.sound.bufferLoaded)
        client.ports.sound.SetAttenuation(volume - kFullVolume);
}

void StartSound(app::Client& client) {
    SoundState& s = client.sound;
    s.clientFolder = client.ports.process.ExecutableDir();
    s.musicOn = s.systemSoundsOn = s.functionSoundsOn = true;
    InitSound(client);
    StopSound(client);
    StartMusic(client);
}

void StartMusic(app::Client& client) {
    PlaySoundFile(client, SharedSoundPath(client.sound.clientFolder, kBackgroundMusic), true);
    SetSoundVolume(client, kFullVolume);
}

void PlayEffect(app::Client& client, Effect effect) {
    if (client.sound.systemSoundsOn)
        PlayOnceAtFullVolume(client,
                             SharedSoundPath(client.sound.clientFolder, EffectFile(effect)));
}

void PlayCountdownTick(app::Client& client) {
    if (client.sound.functionSoundsOn)
        PlayOnceAtFullVolume(client, SharedSoundPath(client.sound.clientFolder, kCountdownTick));
}

void PlayDeclarationVoice(app::Client& client, const VoiceFields& voice, std::uint16_t code) {
    StopSound(client);
    PlayOnceAtFullVolume(client, DeclarationVoicePath(client.sound.clientFolder, voice, code));
}

void PlayQuickPhraseVoice(app::Client& client, const VoiceFields& voice, char letter, int number) {
    StopSound(client);
    PlayOnceAtFullVolume(client,
                         QuickPhraseVoicePath(client.sound.clientFolder, voice, letter, number));
}

void ShutdownSound(app::Client& client) {
    if (client.sound.functionSoundsOn)
        StopSound(client);
}

}  // namespace vantry::sound
