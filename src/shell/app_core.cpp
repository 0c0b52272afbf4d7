#include "shell/app_core.h"

#include "config/profiles.h"
#include "platform/clock.h"
#include "platform/system_font.h"
#include "render/store_art.h"
#include "shell/profile_services.h"

namespace burrowly {

void start_app_core(AppCore& core, std::vector<MonitorInfo> monitors) {
  LoadedProfiles loaded = load_profiles();
  core.profiles = std::make_shared<ProfileIndex>(std::move(loaded.index));
  core.assets = std::make_unique<AssetStore>();
  core.monitors = std::move(monitors);
  core.signals = std::make_shared<SignalChannel>();

  EngineServices services;
  services.atlas = [store = core.assets.get()](std::string_view animal) { return store->atlas_for(animal, "M"); };
  services.local_time = local_now;
  services.precise_time = precise_filetime;
  bind_profile_services(services, core.profiles);
  core.engine = PetEngine::create(std::move(loaded.config), core.monitors, std::move(services));

  core.art = store_art_lookup(*core.assets);
  core.font = ui_font_from(read_system_ui_font());
  core.previous_frame = monotonic_seconds();
}

}  // namespace burrowly
