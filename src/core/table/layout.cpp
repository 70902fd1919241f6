#include "table/layout.h"

#include "rules/table_state.h"

namespace vantry::table {

void ClearTable(app::Client& client) {
    ui::TableWindow& t = client.table;
    t.Time_Img.visible = false;
    t.Number.visible = false;
    rules::ClearTableState(client.tableState);
}

void StartShuffleNotice(app::Client& client) {
    ui::TableWindow& t = client.table;
    t.ImgShuffle.visible = t.LblShuffle.visible = true;
    t.zorder.BringToFront(t.ImgShuffle);
    t.zorder.BringToFront(t.LblShuffle);
    t.LblShuffle.caption = "正在随机换座中..";
    client.ports.timers.Start(platform::TimerId::Shuffle, 300);
}

void StopShuffleNotice(app::Client& client) {
    client.ports.timers.Stop(platform::TimerId::Shuffle);
    client.table.ImgShuffle.visible = client.table.LblShuffle.visible = false;
}

}  // namespace vantry::table
