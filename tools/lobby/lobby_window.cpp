#include "lobby_window.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantry::lobby {
namespace {

constexpr quint32 kSysCommand = 0x112;
constexpr quint32 kRestore = 0xF120;
constexpr quint32 kMinimize = 0xF020;

QString Describe(quint32 number, quint32 wParam) {
    switch (number) {
        case kSysCommand:
            return wParam == kRestore    ? "还原大厅"
                   : wParam == kMinimize ? "最小化大厅"
                                         : "系统命令";
        case 0x16:
            return "正在连接";
        case 0x303:
            return "已发送登录";
        case 0x400:
            return "已离开牌桌";
        case 0x465:
            return "牌局进行中";
        case 0x466:
            return "等待登录结果";
        case 0x467:
            return "牌局开始";
        default:
            return "未知消息";
    }
}

}  // namespace

LobbyWindow::LobbyWindow(LobbySession& session, Seating seating, std::vector<Room> rooms,
                         QString clientProgram, QString title)
    : session_(session),
      seating_(std::move(seating)),
      rooms_(std::move(rooms)),
      clientProgram_(std::move(clientProgram)) {
    setWindowTitle(title);
    resize(520, 440);

    roomList_ = new QListWidget;
    for (const Room& r : rooms_)
        roomList_->addItem(r.name + "  (" + r.host + ":" + r.port + ")");
    roomList_->setCurrentRow(0);

    auto* sit = new QPushButton("入座");
    sit->setDefault(true);
    connect(sit, &QPushButton::clicked, this, [this] { SitDown(); });
    connect(roomList_, &QListWidget::itemDoubleClicked, this, [this] { SitDown(); });

    auto* messages = new QHBoxLayout;
    const std::pair<const char*, quint32> buttons[] = {
        {"连接", 0x16}, {"关闭请求", 0x303}, {"离开", 0x400}, {"状态查询", 0x465}};
    for (const auto& [label, number] : buttons) {
        auto* b = new QPushButton(label);
        connect(b, &QPushButton::clicked, this, [this, label = QString(label), number = number] {
            const bool sent = session_.PostToClient(number);
            Log(QString("→ %1 (0x%2)%3")
                    .arg(label)
                    .arg(number, 0, 16)
                    .arg(sent ? "" : "：牌桌窗口不存在"));
        });
        messages->addWidget(b);
    }

    log_ = new QPlainTextEdit;
    log_->setReadOnly(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("房间"));
    layout->addWidget(roomList_, 2);
    layout->addWidget(sit);
    layout->addWidget(new QLabel("发给牌桌的消息"));
    layout->addLayout(messages);
    layout->addWidget(new QLabel("收到的消息"));
    layout->addWidget(log_, 3);

    connect(&session_, &LobbySession::MessageReceived, this, &LobbyWindow::OnMessage);
    connect(&session_, &LobbySession::ClientStarted, this,
            [this](qint64 pid) { Log(QString("牌桌已启动 (pid %1)").arg(pid)); });
    connect(&session_, &LobbySession::ClientExited, this, [this](int code, bool crashed) {
        Log(QString("牌桌已退出 %1%2").arg(code).arg(crashed ? "（崩溃）" : ""));
        showNormal();
        raise();
    });
    connect(&session_, &LobbySession::ClientFailedToStart, this,
            [this] { Log("无法启动牌桌程序：" + clientProgram_); });
}

void LobbyWindow::SitDown() {
    if (session_.ClientRunning()) {
        Log("牌桌已在运行");
        return;
    }
    const int row = roomList_->currentRow();
    if (row < 0 || row >= static_cast<int>(rooms_.size()))
        return;
    Seating s = seating_;
    s.room = rooms_[static_cast<std::size_t>(row)].name.toStdString();
    s.server = rooms_[static_cast<std::size_t>(row)].host.toStdString();
    s.port = rooms_[static_cast<std::size_t>(row)].port.toStdString();
    const std::string caption = s.customTitles == "1" ? s.caption : "Vantry";
    session_.StartClient(clientProgram_, BuildLaunchArgument(s), caption);
}

void LobbyWindow::Log(const QString& line) {
    log_->appendPlainText(QDateTime::currentDateTime().toString("HH:mm:ss ") + line);
}

void LobbyWindow::OnMessage(quint32 number, quint32 wParam, quint32 lParam) {
    Log(QString("← 0x%1 0x%2 0x%3 %4")
            .arg(number, 0, 16)
            .arg(wParam, 0, 16)
            .arg(lParam, 0, 16)
            .arg(Describe(number, wParam)));
    if (number == kSysCommand && wParam == kRestore) {
        showNormal();
        raise();
        activateWindow();
    } else if (number == kSysCommand && wParam == kMinimize) {
        showMinimized();
    }
}

}  // namespace vantry::lobby
