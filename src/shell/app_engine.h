#pragma once
// The pet engine as the tray application runs it.

#include <memory>
#include <vector>

#include "assets/asset_store.h"
#include "config/profile_index.h"
#include "engine/pet_engine.h"

namespace burrowly {

// An engine drawing its art from the store, living by the system clocks and saving and
// switching profiles through the shared index.
PetEngine make_app_engine(Config config, std::vector<MonitorInfo> monitors, AssetStore& assets,
                          std::shared_ptr<ProfileIndex> profiles);

}  // namespace burrowly
