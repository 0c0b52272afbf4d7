#include "shell/app_engine.h"

#include "platform/clock.h"
#include "shell/profile_services.h"

namespace burrowly {

PetEngine make_app_engine(Config config, std::vector<MonitorInfo> monitors, AssetStore& assets,
                          std::shared_ptr<ProfileIndex> profiles) {
  EngineServices services;
  services.atlas = [store = &assets](std::string_view animal) { return store->atlas_for(animal, "M"); };
  services.local_time = local_now;
  services.precise_time = precise_filetime;
  bind_profile_services(services, std::move(profiles));
  return PetEngine::create(std::move(config), std::move(monitors), std::move(services));
}

}  // namespace burrowly
