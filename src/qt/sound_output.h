#pragma once
// The sound port on Qt Multimedia: one QAudioSink is the one channel.
//
// Why not QSoundEffect: with the PulseAudio backend of the Qt 6 we build on,
// QSoundEffect stops its stream as soon as the last sample is handed over,
// and the server drops what was still buffered, about the last 150 ms; a short
// card click is not heard at all. QMediaPlayer needs a full media backend
// (GStreamer with its WAV parser, or FFmpeg) and decodes asynchronously. A WAV
// file is simple enough to read into memory at once, so the channel plays the
// samples through a QAudioSink and follows them with silence long enough for
// every buffer between us and the speaker to drain before the stream closes.
//
// Failure handling, none of which ever waits for the audio system:
// - without a sound server there is no default output device: Open and Play
//   report the device failure and no stream is created;
// - a missing, damaged or unsupported file is refused before a stream is made
//   (reading is synchronous, so nothing can stay "loading");
// - a stream that fails while playing (server gone) is released.

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "platform/ports.h"

class QAudioSink;

namespace vantry::qt {

// Samples of a WAV file and their format.
struct WavData {
    QAudioFormat format;
    QByteArray samples;
};

// Reads a PCM (8, 16 or 32 bit) or 32-bit float WAV file; nothing when the
// file is missing, damaged or in another encoding. A data chunk cut short
// by the end of the file gives the samples that are there.
std::optional<WavData> ReadWav(const QString& path);

class QtSound final : public QObject, public platform::SoundOutput {
    Q_OBJECT
  public:
    QtSound();
    ~QtSound() override;

    bool Open() override;
    platform::SoundResult Play(const std::string& path, bool looping) override;
    bool Stop() override;
    void SetAttenuation(int hundredthsOfDecibel) override;

    // For tests and diagnostics: the channel has an open stream.
    bool HasSound() const { return sink_ != nullptr; }

  private:
    void Release();

    // The stream of the channel; it owns the source of its samples.
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace vantry::qt
