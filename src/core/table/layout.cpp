#include "table/layout.h"

#include "rules/table_state.h"

namespace vantry::table {

void ClearTable(app::Client& client) {
    ui::TableWindow& t = client.table;
    t.Time_Img.visible = false;
    t.Number.visible = false;
    rules::ClearTableState(client.tableState);
}

}  // namespace vantry::table
