// The one sound channel: paths, switches, volume and the device failure rule.

#include <gtest/gtest.h>

#include <climits>

#include "fakes.h"
#include "sound/sound.h"

namespace vantry::test {
namespace {

constexpr const char* kCommon = "/opt/vantry/bin/../common/";
const std::string kMusic = std::string(kCommon) + "music/majiang.wav";
const std::string kTick = std::string(kCommon) + "music/tishi.wav";
const std::string kCardRaised = std::string(kCommon) + "pk/sys020.wav";

const sound::VoiceFields kMaleVoice{"27", "10", 1, 3};
const sound::VoiceFields kFemaleVoice{"27", "40", 0, 2};

// --- paths -------------------------------------------------------------------

TEST(SoundPaths, DeclarationVoicesAreNamedByTheCodeInUpperCaseHex) {
    const std::string prefix = std::string(kCommon) + "vantry/v271013";
    const std::vector<std::pair<std::uint16_t, std::string>> cases = {
        {1024, "400.wav"},  // 跟亮
        {16, "10.wav"},     // 报
        {1, "1.wav"},       // 不说话
        {128, "80.wav"},    // 揣
        {2048, "800.wav"},  // 摊报
        {0xABCD, "ABCD.wav"},
    };
    for (const auto& [code, file] : cases)
        EXPECT_EQ(sound::DeclarationVoicePath("/opt/vantry/bin", kMaleVoice, code), prefix + file)
            << code;
    EXPECT_EQ(sound::DeclarationVoicePath("/opt/vantry/bin", kFemaleVoice, 4),
              std::string(kCommon) + "vantry/v2740024.wav");
}

TEST(SoundPaths, QuickPhraseVoicesAreNamedByLetterAndNumber) {
    EXPECT_EQ(sound::QuickPhraseVoicePath("/opt/vantry/bin", kMaleVoice, 'a', 3),
              std::string(kCommon) + "tianjin/v271013a3.wav");
    EXPECT_EQ(sound::QuickPhraseVoicePath("/opt/vantry/bin", kFemaleVoice, 'a', 100),
              std::string(kCommon) + "tianjin/v274002a100.wav");
}

TEST(SoundPaths, VoiceTextsThatAreNotPlainNamesGiveNoPath) {
    // The voice texts and the clip letter come from the server; none of them
    // may lead out of the voice folders.
    const sound::VoiceFields climbing{"../..", "10", 1, 3};
    const sound::VoiceFields slash{"27", "1/", 1, 3};
    EXPECT_EQ(sound::DeclarationVoicePath("/b", climbing, 4), "");
    EXPECT_EQ(sound::DeclarationVoicePath("/b", slash, 4), "");
    EXPECT_EQ(sound::QuickPhraseVoicePath("/b", climbing, 'a', 1), "");
    for (char letter : {'/', '.', '\0', '\x97'})
        EXPECT_EQ(sound::QuickPhraseVoicePath("/b", kMaleVoice, letter, 1), "") << int(letter);
}

// --- startup and the channel ---------------------------------------------------

class Sound : public ::testing::Test {
  protected:
    void Start() { h.Start(DirectArgument()); }
    Harness h;
};

TEST_F(Sound, StartupOpensTheDeviceAndLoopsTheMusicAtFullVolume) {
    Start();
    EXPECT_EQ(h.sound.calls,
              (std::vector<std::string>{"open", "play " + kMusic + " loop", "attenuate 0"}));
    EXPECT_TRUE(h.sound.playing);
    EXPECT_TRUE(h.client.sound.musicOn);
    EXPECT_TRUE(h.client.sound.systemSoundsOn);
    EXPECT_TRUE(h.client.sound.functionSoundsOn);
}

TEST_F(Sound, ANewSoundStopsTheMusicForGoodUntilMusicIsSwitchedOnAgain) {
    Start();
    sound::PlayEffect(h.client, sound::Effect::CardRaised);
    EXPECT_EQ(h.sound.channel, (FakeSound::Sound{kCardRaised, false}));

    // Nothing brings the music back by itself, however many sounds follow.
    sound::PlayEffect(h.client, sound::Effect::CardLowered);
    sound::PlayDeclarationVoice(h.client, kMaleVoice, 16);
    EXPECT_EQ(h.sound.PlayedPaths(),
              (std::vector<std::string>{kMusic, kCardRaised, std::string(kCommon) + "pk/sys030.wav",
                                        std::string(kCommon) + "vantry/v27101310.wav"}));
    EXPECT_FALSE(h.sound.channel->looping);

    sound::StartMusic(h.client);
    EXPECT_EQ(h.sound.channel, (FakeSound::Sound{kMusic, true}));
}

TEST_F(Sound, VoicesStopTheChannelBeforeTheyPlay) {
    Start();
    h.sound.calls.clear();
    sound::PlayQuickPhraseVoice(h.client, kFemaleVoice, 'a', 7);
    EXPECT_EQ(
        h.sound.calls,
        (std::vector<std::string>{
            "stop", "play " + std::string(kCommon) + "tianjin/v274002a7.wav once", "attenuate 0"}));
}

TEST_F(Sound, VolumeOutsideZeroTo3000IsIgnored) {
    Start();
    for (int volume : {-1, 3001, INT_MIN, INT_MAX}) {
        sound::SetSoundVolume(h.client, volume);
        EXPECT_EQ(h.sound.calls.back(), "attenuate 0") << volume;
    }
    // 3000 is full volume, 0 is 30 dB down.
    sound::SetSoundVolume(h.client, 0);
    EXPECT_EQ(h.sound.attenuation, -3000);
    sound::SetSoundVolume(h.client, 2500);
    EXPECT_EQ(h.sound.attenuation, -500);
}

TEST_F(Sound, AMissingFileIsSilentAndLeavesTheChannelEmpty) {
    h.sound.missingFiles.insert(kMusic);
    Start();
    EXPECT_FALSE(h.sound.channel.has_value());
    EXPECT_TRUE(h.client.sound.functionSoundsOn);
    EXPECT_FALSE(h.client.sound.bufferLoaded);
    // Stop and volume have no sound to act on.
    h.sound.calls.clear();
    sound::StopSound(h.client);
    sound::SetSoundVolume(h.client, 1000);
    EXPECT_TRUE(h.sound.calls.empty());
}

// --- switches ------------------------------------------------------------------

TEST_F(Sound, WithSystemSoundsOffEffectsAreSilentButVoicesPlay) {
    Start();
    h.client.sound.systemSoundsOn = false;
    for (auto effect : {sound::Effect::Deal, sound::Effect::CardRaised, sound::Effect::CardLowered,
                        sound::Effect::PlayShown, sound::Effect::Pass, sound::Effect::Hint,
                        sound::Effect::Settlement})
        sound::PlayEffect(h.client, effect);
    EXPECT_EQ(h.sound.channel, (FakeSound::Sound{kMusic, true}));

    sound::PlayDeclarationVoice(h.client, kMaleVoice, 1024);
    sound::PlayCountdownTick(h.client);  // function sounds are still on
    EXPECT_EQ(
        h.sound.PlayedPaths(),
        (std::vector<std::string>{kMusic, std::string(kCommon) + "vantry/v271013400.wav", kTick}));
}

TEST_F(Sound, EffectsHaveTheirFiles) {
    Start();
    const std::vector<std::pair<sound::Effect, std::string>> cases = {
        {sound::Effect::Deal, "voices/sys010.wav"},    {sound::Effect::CardRaised, "pk/sys020.wav"},
        {sound::Effect::CardLowered, "pk/sys030.wav"}, {sound::Effect::PlayShown, "pk/sys070.wav"},
        {sound::Effect::Pass, "pk/sys080.wav"},        {sound::Effect::Hint, "pk/sys110.wav"},
        {sound::Effect::Settlement, "pk/sys150.wav"},
    };
    for (const auto& [effect, file] : cases) {
        sound::PlayEffect(h.client, effect);
        EXPECT_EQ(h.sound.channel, (FakeSound::Sound{std::string(kCommon) + file, false})) << file;
        EXPECT_EQ(h.sound.attenuation, 0) << file;
    }
}

TEST_F(Sound, WithFunctionSoundsOffTheCountdownTickIsSilent) {
    Start();
    h.client.sound.functionSoundsOn = false;
    sound::PlayCountdownTick(h.client);
    EXPECT_EQ(h.sound.channel, (FakeSound::Sound{kMusic, true}));
}

// --- device failure ------------------------------------------------------------

TEST_F(Sound, WithoutADeviceFunctionSoundsGoOffAndTheRestFailsSilently) {
    h.sound.deviceWorks = false;
    Start();
    // The music is still attempted after the failed open.
    EXPECT_EQ(h.sound.calls, (std::vector<std::string>{"open", "play " + kMusic + " loop"}));
    EXPECT_FALSE(h.client.sound.functionSoundsOn);
    EXPECT_TRUE(h.client.sound.systemSoundsOn);
    EXPECT_FALSE(h.client.app.ended);

    h.sound.calls.clear();
    sound::PlayCountdownTick(h.client);
    EXPECT_TRUE(h.sound.calls.empty());
    sound::PlayEffect(h.client, sound::Effect::CardRaised);
    EXPECT_EQ(h.sound.calls, (std::vector<std::string>{"play " + kCardRaised + " once"}));
    EXPECT_TRUE(h.sound.played.empty());
}

TEST_F(Sound, ADeviceThatFailsLaterSwitchesFunctionSoundsOffAndShutdownSkipsTheStop) {
    Start();
    h.sound.deviceWorks = false;
    sound::StopSound(h.client);
    EXPECT_FALSE(h.client.sound.functionSoundsOn);

    h.sound.calls.clear();
    sound::ShutdownSound(h.client);
    EXPECT_TRUE(h.sound.calls.empty());
}

TEST_F(Sound, EndingTheClientStopsTheMusic) {
    Start();
    app::EndClient(h.client);
    EXPECT_EQ(h.sound.calls.back(), "stop");
    EXPECT_FALSE(h.sound.playing);
}

}  // namespace
}  // namespace vantry::test
