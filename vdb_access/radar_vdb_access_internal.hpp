// Start-up of the access module itself, called by adainit.
#pragma once

namespace radar_vdb_access {

// The module starts not initialised.
void start_up();

}  // namespace radar_vdb_access
