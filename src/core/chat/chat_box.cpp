#include "chat/chat_box.h"

#include "net/send_frame.h"
#include "rules/table_state.h"

namespace vantry::chat {
namespace {

constexpr std::size_t kAddresseeOffset = 11;

std::string TrimSpaces(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Takes the address prefix out of the text; false when the text does not
// hold it. Only the prefix goes, whatever the person typed before it.
bool RemovePrefix(std::string& text, const std::string& prefix) {
    if (prefix.empty())
        return false;
    const std::size_t at = text.find(prefix);
    if (at == std::string::npos)
        return false;
    text.erase(at, prefix.size());
    return true;
}

// The prefix without its first character: "对" + nickname + "说 ：".
std::string WithoutFirstCharacter(const std::string& prefix) {
    const std::string you = "你";
    return prefix.starts_with(you) ? prefix.substr(you.size()) : prefix;
}

}  // namespace

void SendChatBoxText(app::Client& client) {
    ChatState& chat = client.chat;
    std::string text = client.table.Chat.caption;
    if (text.empty() || TrimSpaces(text) == chat.ChatAddressPrefix)
        return;

    net::GameFrame frame = net::MakeFrame(net::MessageType::Chat);
    frame[net::offset::kSeat] = rules::OwnSeatBit(client.tableState);
    const std::string& ownName = client.players.records[0].nickname;
    if (RemovePrefix(text, chat.ChatAddressPrefix)) {
        frame[kAddresseeOffset] = chat.ChatAddressee;
        if (chat.ChatAddressee == 0)
            text = ownName + WithoutFirstCharacter(chat.ChatAddressPrefix) + text;
    } else {
        text = ownName + "说道： " + text;
    }
    chat.ChatAddressPrefix.clear();
    client.table.Chat.caption.clear();
    chat.caret = 0;
    client.net.pendingChatText = text;
    net::SendFrame(client.net, frame);
}

void AddressChatTo(app::Client& client, int position) {
    if (position < 1 || position >= rules::kPositions)
        return;
    const auto p = static_cast<std::size_t>(position);
    const std::string& nickname = client.players.records[p].nickname;
    if (nickname.empty())
        return;
    ChatState& chat = client.chat;
    std::string kept = client.table.Chat.caption;
    RemovePrefix(kept, chat.ChatAddressPrefix);
    chat.ChatAddressee = client.tableState.seats[p].seatBit;
    chat.ChatAddressPrefix = "你对" + nickname + "说 ：";
    client.table.Chat.caption = chat.ChatAddressPrefix + kept;
    chat.caret = client.table.Chat.caption.size();
    ++chat.focusRequests;
}

}  // namespace vantry::chat
