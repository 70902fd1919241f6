#include "sound_output.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QIODevice>
#include <QMediaDevices>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace vantry::qt {
namespace {

// Silence played after a sound that ends, so that the buffers of the stream
// and of the sound server (up to two seconds with timer-based scheduling) are
// played out before the stream is closed.
constexpr qint64 kDrainMicroseconds = 2'000'000;

bool HaveOutputDevice() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

quint16 Le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 Le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

std::optional<QAudioFormat> FormatFromChunk(const QByteArray& fmt) {
    if (fmt.size() < 16)
        return std::nullopt;
    quint16 encoding = Le16(fmt, 0);
    const int channels = Le16(fmt, 2);
    const int rate = static_cast<int>(Le32(fmt, 4));
    const int bits = Le16(fmt, 14);
    constexpr quint16 kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
    if (encoding == kExtensible) {
        if (fmt.size() < 26)
            return std::nullopt;
        encoding = Le16(fmt, 24);  // the first two bytes of the sub-format GUID
    }
    QAudioFormat format;
    if (encoding == kPcm && bits == 8)
        format.setSampleFormat(QAudioFormat::UInt8);
    else if (encoding == kPcm && bits == 16)
        format.setSampleFormat(QAudioFormat::Int16);
    else if (encoding == kPcm && bits == 32)
        format.setSampleFormat(QAudioFormat::Int32);
    else if (encoding == kFloat && bits == 32)
        format.setSampleFormat(QAudioFormat::Float);
    else
        return std::nullopt;
    if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
        return std::nullopt;
    format.setChannelCount(channels);
    format.setSampleRate(rate);
    return format;
}

}  // namespace

std::optional<WavData> ReadWav(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<QAudioFormat> format;
    for (;;) {
        const QByteArray header = file.read(8);
        if (header.size() != 8)
            return std::nullopt;
        const quint32 size = Le32(header, 4);
        const QByteArray id = header.left(4);
        const qint64 next = file.pos() + size + (size & 1);  // chunks are padded to an even size
        if (id == "fmt ") {
            if (size > 4096)
                return std::nullopt;
            format = FormatFromChunk(file.read(size));
            if (!format)
                return std::nullopt;
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            QByteArray samples = file.read(std::min<qint64>(size, file.bytesAvailable()));
            const int frame = format->bytesPerFrame();
            samples.truncate(samples.size() / frame * frame);
            if (samples.isEmpty())
                return std::nullopt;
            return WavData{*format, std::move(samples)};
        }
        if (!file.seek(next))
            return std::nullopt;
    }
}

// Serves the samples once or for ever, each time from the start; a sound that
// ends is followed by the drain silence, after which the sink goes idle.
class PcmSource final : public QIODevice {
  public:
    PcmSource(WavData wav, bool looping)
        : samples_(std::move(wav.samples)),
          looping_(looping),
          silenceLeft_(wav.format.bytesForDuration(kDrainMicroseconds)),
          silenceByte_(wav.format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return looping_ ? samples_.size() : samples_.size() - at_ + silenceLeft_;
    }

  protected:
    qint64 readData(char* out, qint64 max) override {
        qint64 written = 0;
        while (written < max) {
            if (at_ == samples_.size()) {
                if (!looping_)
                    break;
                at_ = 0;
            }
            const qint64 n = std::min(max - written, samples_.size() - at_);
            std::memcpy(out + written, samples_.constData() + at_, static_cast<size_t>(n));
            at_ += n;
            written += n;
        }
        const qint64 silence = std::min(max - written, silenceLeft_);
        std::memset(out + written, silenceByte_, static_cast<size_t>(silence));
        silenceLeft_ -= silence;
        return written + silence;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    QByteArray samples_;
    bool looping_;
    qint64 at_ = 0;
    qint64 silenceLeft_;
    char silenceByte_;
};

QtSound::QtSound() = default;

QtSound::~QtSound() {
    Release();
}

bool QtSound::Open() {
    return HaveOutputDevice();
}

void QtSound::Release() {
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
    }
    sink_.reset();
}

platform::SoundResult QtSound::Play(const std::string& path, bool looping) {
    Release();
    if (!HaveOutputDevice())
        return platform::SoundResult::DeviceFailed;
    std::optional<WavData> wav = ReadWav(QString::fromStdString(path));
    if (!wav)
        return platform::SoundResult::FileFailed;

    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), wav->format);
    QAudioSink* sink = sink_.get();
    auto* source = new PcmSource(std::move(*wav), looping);
    source->setParent(sink);
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        // Idle: the sound and its drain silence are played out. Stopped with
        // an error: the stream broke. Either way the stream is let go, later,
        // because this runs inside the sink's own signal.
        const bool broken = state == QAudio::StoppedState && sink->error() != QAudio::NoError;
        if (sink == sink_.get() && (state == QAudio::IdleState || broken)) {
            sink->disconnect(this);
            sink_.release()->deleteLater();
        }
    });
    sink->start(source);
    if (sink->error() != QAudio::NoError && sink->error() != QAudio::UnderrunError) {
        Release();
        return platform::SoundResult::DeviceFailed;
    }
    return platform::SoundResult::Played;
}

bool QtSound::Stop() {
    // The next play of the channel always starts a sound from its beginning.
    if (sink_)
        Release();
    return HaveOutputDevice();
}

void QtSound::SetAttenuation(int hundredthsOfDecibel) {
    if (!sink_)
        return;
    const float decibels = static_cast<float>(hundredthsOfDecibel) / 100.0f;
    sink_->setVolume(
        QAudio::convertVolume(decibels, QAudio::DecibelVolumeScale, QAudio::LinearVolumeScale));
}

}  // namespace vantry::qt
