#include "table/table_sound.h"

namespace vantry::table {

// The sound output joins the client with the sound subsystem; until then the
// table's effects are silent.
void PlayTableSound(app::Client&, const char*) {}

}  // namespace vantry::table
