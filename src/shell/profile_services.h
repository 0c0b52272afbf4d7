#pragma once
// The settings files behind the pet engine and the tray's profile commands. The
// engine saves and switches profiles through the one profiles index the tray holds,
// so a switch from any side (menu, message, new or deleted profile) updates the index
// and greets the same way.

#include <memory>
#include <string_view>
#include <vector>

#include "config/profile_index.h"
#include "engine/pet_engine.h"
#include "shell/tray_menu.h"

namespace burrowly {

// Sets the engine's save_config and load_profile. Saves write only profiles the index
// lists, so a deleted profile's file is never written again; loading a profile makes
// it the index's active one (appending it when new) and writes the index.
void bind_profile_services(EngineServices& services, std::shared_ptr<ProfileIndex> index);

// "+ New Profile...": a profile made from the name, then the engine's switch to it.
void create_profile_in(PetEngine& engine, ProfileIndex& index, std::string_view name);

// "Delete Current Profile": with at least two profiles, removes the active one and
// its file and switches the engine to the first one left.
void delete_active_profile_in(PetEngine& engine, ProfileIndex& index);

// The profiles of the index as the menu lists them, each read from its settings file;
// one that cannot be read shows its id and the corgi.
std::vector<ProfileEntry> menu_profiles(const ProfileIndex& index);

}  // namespace burrowly
