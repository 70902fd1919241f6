#include "table/hand.h"
#include "table/play_submission.h"

namespace vantry::table {

void RequestPlay(app::Client& client) {
    SubmitPlay(client);
}

}  // namespace vantry::table
