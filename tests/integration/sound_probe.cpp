// Plays one WAV file through the client's sound adapter and reports what the
// adapter said, for the sound integration test:
//   vantry-sound-probe FILE [--loop] [--attenuation N] [--play-ms N] [--after-ms N]
// It plays for --play-ms, stops, keeps running for --after-ms (300) and exits.

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "sound_output.h"

namespace {

const char* Name(vantry::platform::SoundResult result) {
    switch (result) {
        case vantry::platform::SoundResult::Played:
            return "played";
        case vantry::platform::SoundResult::FileFailed:
            return "file-failed";
        case vantry::platform::SoundResult::DeviceFailed:
            return "device-failed";
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QString file;
    bool looping = false;
    int attenuation = 0;
    int playMs = 1500;
    // Qt 6.4's PulseAudio backend can crash while it shuts down if a stream
    // was closed just before; the probe gives the server's events time to
    // settle before it exits.
    int afterMs = 300;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--loop")
            looping = true;
        else if (a == "--attenuation" && hasValue)
            attenuation = args[++i].toInt();
        else if (a == "--play-ms" && hasValue)
            playMs = args[++i].toInt();
        else if (a == "--after-ms" && hasValue)
            afterMs = args[++i].toInt();
        else
            file = a;
    }

    vantry::qt::QtSound sound;
    std::printf("open: %s\n", sound.Open() ? "ok" : "failed");
    std::printf("play: %s\n", Name(sound.Play(file.toStdString(), looping)));
    if (attenuation != 0)
        sound.SetAttenuation(attenuation);
    std::fflush(stdout);

    QTimer::singleShot(playMs, [&] {
        std::printf("holding a sound: %s\n", sound.HasSound() ? "yes" : "no");
        std::printf("stop: %s\n", sound.Stop() ? "ok" : "failed");
        std::fflush(stdout);
        QTimer::singleShot(afterMs, &app, &QCoreApplication::quit);
    });
    return QCoreApplication::exec();
}
