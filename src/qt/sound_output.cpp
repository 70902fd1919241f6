#include "sound_output.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace vantry::qt {
namespace {

bool HaveOutputDevice() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

}  // namespace

bool LooksLikeWav(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    // Walk the chunks: a format chunk must come before a non-empty data chunk.
    bool haveFormat = false;
    for (;;) {
        const QByteArray header = file.read(8);
        if (header.size() != 8)
            return false;
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        const QByteArray id = header.left(4);
        if (id == "fmt ") {
            haveFormat = size >= 16;
        } else if (id == "data") {
            return haveFormat && size > 0 && file.bytesAvailable() > 0;
        }
        // Chunks are padded to an even size.
        if (!file.seek(file.pos() + size + (size & 1)))
            return false;
    }
}

void QtSound::DeleteLater::operator()(QSoundEffect* effect) const {
    effect->disconnect();
    effect->stop();
    effect->deleteLater();
}

QtSound::QtSound(int loadTimeoutMs) {
    loadWatch_.setSingleShot(true);
    loadWatch_.setInterval(loadTimeoutMs);
    connect(&loadWatch_, &QTimer::timeout, this, [this] {
        if (effect_ && effect_->status() == QSoundEffect::Loading) {
            qWarning("vantry: a sound file is still loading after %d ms; it is skipped",
                     loadWatch_.interval());
            Release();
        }
    });
}

QtSound::~QtSound() = default;

bool QtSound::Open() {
    return HaveOutputDevice();
}

void QtSound::Release() {
    loadWatch_.stop();
    effect_.reset();
}

platform::SoundResult QtSound::Play(const std::string& path, bool looping) {
    Release();
    if (!HaveOutputDevice())
        return platform::SoundResult::DeviceFailed;
    const QString file = QString::fromStdString(path);
    if (path.empty() || !LooksLikeWav(file))
        return platform::SoundResult::FileFailed;

    effect_.reset(new QSoundEffect(QMediaDevices::defaultAudioOutput()));
    QSoundEffect* effect = effect_.get();
    connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
        if (effect != effect_.get())
            return;
        if (effect->status() == QSoundEffect::Error)
            Release();
        else if (effect->status() == QSoundEffect::Ready)
            loadWatch_.stop();
    });
    effect->setLoopCount(looping ? QSoundEffect::Infinite : 1);
    effect->setVolume(1.0f);
    effect->setSource(QUrl::fromLocalFile(file));
    // Playing before the load has finished starts the sound once it is loaded.
    effect->play();
    if (effect_ && effect_->status() != QSoundEffect::Ready)
        loadWatch_.start();
    return platform::SoundResult::Played;
}

bool QtSound::Stop() {
    // QSoundEffect starts from the beginning on the next play: stopping rewinds.
    if (effect_)
        effect_->stop();
    return HaveOutputDevice();
}

void QtSound::SetAttenuation(int hundredthsOfDecibel) {
    if (!effect_)
        return;
    const float decibels = static_cast<float>(hundredthsOfDecibel) / 100.0f;
    effect_->setVolume(
        QAudio::convertVolume(decibels, QAudio::DecibelVolumeScale, QAudio::LinearVolumeScale));
}

}  // namespace vantry::qt
