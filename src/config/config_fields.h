#pragma once
// The members of a settings file, in the order they are written: calls
// visit(key, field) for each of the record's 32 fields.

#include "config/config.h"

namespace burrowly {

template <class Record, class Visit>
void visit_config_fields(Record& c, Visit&& visit) {
  visit("profile_id", c.profile_id);
  visit("profile_display", c.profile_display);
  visit("pet", c.pet);
  visit("size", c.size);
  visit("coat", c.coat);
  visit("outfit", c.outfit);
  visit("lang", c.lang);
  visit("position", c.position);
  visit("top_notch", c.top_notch);
  visit("mood", c.mood);
  visit("break_min", c.break_min);
  visit("water_min", c.water_min);
  visit("lunch_hour", c.lunch_hour);
  visit("bed_hour", c.bed_hour);
  visit("pet_names", c.pet_names);
  visit("pet_hidden", c.pet_hidden);
  visit("forced_sleep", c.forced_sleep);
  visit("chatty", c.chatty);
  visit("watch_pc", c.watch_pc);
  visit("listens", c.listens);
  visit("cross_monitors", c.cross_monitors);
  visit("first_day", c.first_day);
  visit("visit_day", c.visit_day);
  visit("stat_day", c.stat_day);
  visit("stat_cursor", c.stat_cursor);
  visit("stat_fly", c.stat_fly);
  visit("stat_ball", c.stat_ball);
  visit("stat_pet_today", c.stat_pet_today);
  visit("stat_pet_all", c.stat_pet_all);
  visit("work_day", c.work_day);
  visit("work_sec", c.work_sec);
  visit("water_count", c.water_count);
}

}  // namespace burrowly
