// Frames per second through the rings: SendFrame and the transmit step on the
// way out, data arrival and the receive step on the way in.

#include <benchmark/benchmark.h>

#include "app/client.h"
#include "app/events.h"
#include "app/main_loop.h"
#include "net/send_frame.h"
#include "props/prop_plugin.h"

namespace {

using namespace vantry;

struct NullSocket final : platform::Socket {
    void Connect(const std::string&, std::uint16_t) override {}
    void Close() override {}
    platform::SocketState State() const override { return platform::SocketState::Connected; }
    void Send(std::span<const std::uint8_t> bytes) override { sent += bytes.size(); }
    std::size_t sent = 0;
};
struct NullTimers final : platform::Timers {
    void Start(platform::TimerId, int) override {}
    void Stop(platform::TimerId) override {}
    bool IsRunning(platform::TimerId) const override { return false; }
    std::int64_t NowMs() const override { return 0; }
    platform::TimeOfDay LocalTime() const override { return {}; }
    void PumpWait(double) override {}
};
struct NullWindows final : platform::WindowSystem {
    bool WindowExists(std::string_view) override { return true; }
    bool Post(std::string_view, const platform::WindowMessage&) override { return true; }
    void Listen(std::string_view) override {}
    void StartWindowDrag(std::string_view) override {}
};
struct NullBoxes final : platform::MessageBoxes {
    void Show(std::string_view, std::string_view) override {}
};
struct NullProcess final : platform::Process {
    bool AcquireInstanceLock() override { return true; }
    void Quit() override {}
    std::string ExecutableDir() const override { return "."; }
    void OpenAddress(const std::string&) override {}
};
struct NullSound final : platform::SoundOutput {
    bool Open() override { return false; }
    platform::SoundResult Play(const std::string&, bool) override {
        return platform::SoundResult::DeviceFailed;
    }
    bool Stop() override { return false; }
    void SetAttenuation(int) override {}
};

struct Bench {
    NullSocket socket;
    NullTimers timers;
    NullWindows windows;
    NullBoxes boxes;
    NullProcess process;
    struct NullRandom final : platform::Random {
        int Below(int) override { return 0; }
    } random;
    NullSound sound;
    struct NullPlugins final : platform::PluginLoader {
        std::unique_ptr<props::PropPlugin> Load(const std::string&) override { return nullptr; }
    } plugins;
    app::Client client{app::Ports{socket, timers, windows, boxes, process, random, sound, plugins}};
};

void BM_SendFrameAndTransmitStep(benchmark::State& state) {
    Bench b;
    net::GameFrame frame = net::MakeFrame(net::MessageType::KeepAlive);
    for (auto _ : state) {
        net::SendFrame(b.client.net, frame);
        b.client.net.transmit.counter = 1;
        app::StepTransmit(b.client);
    }
    benchmark::DoNotOptimize(b.socket.sent);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SendFrameAndTransmitStep);

void BM_ArrivalAndReceiveStep(benchmark::State& state) {
    Bench b;
    const net::GameFrame frame = net::MakeFrame(net::MessageType::PlayerReady);
    for (auto _ : state) {
        app::OnBytesArrived(b.client, frame.bytes);
        b.client.net.receive.counter = 2;
        app::StepReceive(b.client);
    }
    benchmark::DoNotOptimize(b.client.protocol.framesDispatched);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ArrivalAndReceiveStep);

void BM_ChatFrameThroughSendFrame(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        b.client.net.pendingChatText = "大家好，这局我们一起加油！";
        net::GameFrame frame = net::MakeFrame(net::MessageType::Chat);
        net::SendFrame(b.client.net, frame);
        b.client.net.transmit.counter = 1;
        app::StepTransmit(b.client);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ChatFrameThroughSendFrame);

}  // namespace

BENCHMARK_MAIN();
