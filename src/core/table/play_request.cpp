#include "table/hand.h"

namespace vantry::table {

// The play submission checks the raised cards and sends them; it joins the
// table with the deal flow. Until then a right click asks and nothing follows.
void RequestPlay(app::Client&) {}

}  // namespace vantry::table
