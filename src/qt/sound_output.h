#pragma once
// The sound port on Qt Multimedia: one QSoundEffect is the one channel.
//
// QSoundEffect is made for short uncompressed WAV effects: it decodes the file
// once into memory, loops without gaps (setLoopCount) and has a per-effect
// volume, which is all the channel needs. Its failure modes are handled here
// rather than in the logic:
// - without a sound server there is no default output device: Open and Play
//   report the device failure and no effect is created (an effect made for a
//   missing device may report playing forever);
// - a missing or non-WAV file is refused before an effect is made;
// - loading runs in the background and a damaged file may stay "loading" for
//   ever: the effect is dropped when it reports an error or is still loading
//   after a while. Nothing here ever waits for the audio system.

#include <QObject>
#include <QTimer>
#include <memory>

#include "platform/ports.h"

class QSoundEffect;

namespace vantry::qt {

class QtSound final : public QObject, public platform::SoundOutput {
    Q_OBJECT
  public:
    // A file still loading after loadTimeoutMs is given up.
    explicit QtSound(int loadTimeoutMs = 5000);
    ~QtSound() override;

    bool Open() override;
    platform::SoundResult Play(const std::string& path, bool looping) override;
    bool Stop() override;
    void SetAttenuation(int hundredthsOfDecibel) override;

    // For tests and diagnostics: the channel holds a sound that is loading or loaded.
    bool HasSound() const { return effect_ != nullptr; }

  private:
    void Release();

    struct DeleteLater {
        void operator()(QSoundEffect* effect) const;
    };
    std::unique_ptr<QSoundEffect, DeleteLater> effect_;
    QTimer loadWatch_;
};

// True when the file starts like a RIFF WAVE file with a format and a data chunk.
bool LooksLikeWav(const QString& path);

}  // namespace vantry::qt
