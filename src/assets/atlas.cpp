#include "assets/atlas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "assets/catalogue.h"
#include "platform/fatal.h"

namespace burrowly {
namespace {

using nlohmann::json;

struct AtlasError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& what) { throw AtlasError(what); }

const json& field(const json& object, const std::string& key, const std::string& where) {
  auto it = object.find(key);
  if (it == object.end()) fail("missing field `" + key + "` in " + where);
  return *it;
}

const json& object_at(const json& value, const std::string& where) {
  if (!value.is_object()) fail("invalid type: expected an object for " + where);
  return value;
}

float read_float(const json& value, const std::string& name) {
  if (!value.is_number()) fail("invalid type: expected a number for `" + name + "`");
  return value.get<float>();
}

template <typename Int>
Int read_integer(const json& value, const std::string& name) {
  bool fits = false;
  if (value.is_number_unsigned()) {
    fits = value.get<std::uint64_t>() <= static_cast<std::uint64_t>(std::numeric_limits<Int>::max());
  } else if (value.is_number_integer()) {
    std::int64_t v = value.get<std::int64_t>();
    fits = v >= static_cast<std::int64_t>(std::numeric_limits<Int>::min()) &&
           (v < 0 || static_cast<std::uint64_t>(v) <= static_cast<std::uint64_t>(std::numeric_limits<Int>::max()));
  } else {
    fail("invalid type: expected an integer for `" + name + "`");
  }
  if (!fits) fail("invalid value: integer out of range for `" + name + "`");
  return value.get<Int>();
}

template <typename T, std::size_t N, typename Read>
std::array<T, N> read_array(const json& value, const std::string& name, Read read) {
  if (!value.is_array()) fail("invalid type: expected an array for `" + name + "`");
  if (value.size() != N) {
    fail("invalid length " + std::to_string(value.size()) + ", expected " + std::to_string(N) +
         " elements for `" + name + "`");
  }
  std::array<T, N> out{};
  for (std::size_t k = 0; k < N; ++k) out[k] = read(value[k], name);
  return out;
}

// A present, non-null optional field.
const json* optional_field(const json& object, const std::string& key) {
  auto it = object.find(key);
  if (it == object.end() || it->is_null()) return nullptr;
  return &*it;
}

FrameRaw read_frame(const json& value, std::size_t index) {
  const std::string where = "frame " + std::to_string(index);
  const json& f = object_at(value, where);
  FrameRaw frame;
  const json& n = field(f, "n", where);
  if (!n.is_string()) fail("invalid type: expected a string for `n`");
  frame.n = n.get<std::string>();
  frame.i = read_integer<std::uint64_t>(field(f, "i", where), "i");
  frame.ax = read_integer<std::int32_t>(field(f, "ax", where), "ax");
  frame.gy = read_integer<std::int32_t>(field(f, "gy", where), "gy");
  frame.paw = read_float(field(f, "paw", where), "paw");
  frame.r = read_array<std::int32_t, 4>(field(f, "r", where), "r", read_integer<std::int32_t>);
  if (const json* hat = optional_field(f, "hat")) frame.hat = read_array<float, 4>(*hat, "hat", read_float);
  if (const json* bl = optional_field(f, "bl")) {
    frame.bl = read_array<std::int32_t, 6>(*bl, "bl", read_integer<std::int32_t>);
  }
  return frame;
}

SizeAtlasRaw read_size(const json& value, const std::string& key) {
  const std::string where = "size `" + key + "`";
  const json& s = object_at(value, where);
  SizeAtlasRaw size;
  size.sit = read_float(field(s, "sit", where), "sit");
  size.ear = read_float(field(s, "ear", where), "ear");
  const json& frames = field(s, "frames", where);
  if (!frames.is_array()) fail("invalid type: expected an array for `frames`");
  size.frames.reserve(frames.size());
  for (std::size_t k = 0; k < frames.size(); ++k) size.frames.push_back(read_frame(frames[k], k));
  return size;
}

// Parses while refusing a key that repeats within one object, at any depth.
json parse_rejecting_duplicates(std::string_view text) {
  std::vector<std::set<std::string>> open_objects;
  std::string duplicate;
  auto callback = [&](int, json::parse_event_t event, json& parsed) {
    switch (event) {
      case json::parse_event_t::object_start: open_objects.emplace_back(); break;
      case json::parse_event_t::object_end: open_objects.pop_back(); break;
      case json::parse_event_t::key:
        if (!open_objects.back().insert(parsed.get<std::string>()).second && duplicate.empty()) {
          duplicate = parsed.get<std::string>();
        }
        break;
      default: break;
    }
    return true;
  };
  json root;
  try {
    root = json::parse(text.begin(), text.end(), callback);
  } catch (const json::exception& e) {
    fail(e.what());
  }
  if (!duplicate.empty()) fail("duplicate field `" + duplicate + "`");
  return root;
}

}  // namespace

AtlasParse parse_atlas(std::string_view json_text) {
  try {
    json document = parse_rejecting_duplicates(json_text);
    const json& root = object_at(document, "the atlas document");
    const json& sizes = object_at(field(root, "sizes", "the atlas document"), "`sizes`");
    AtlasRoot atlas;
    for (const auto& [key, value] : sizes.items()) atlas.sizes.emplace(key, read_size(value, key));
    return {std::move(atlas), {}};
  } catch (const AtlasError& e) {
    return {std::nullopt, std::string("invalid atlas json: ") + e.what()};
  }
}

SizeAtlas build_size_atlas(const AtlasRoot& root, std::string_view size_key) {
  auto medium = root.sizes.find("M");
  if (medium == root.sizes.end()) fatal("no entry found for key");
  const SizeAtlasRaw& raw = medium->second;
  SizeAtlas atlas;
  atlas.frames = raw.frames;
  for (const FrameRaw& frame : atlas.frames) atlas.clips[frame.n].push_back(frame);
  for (auto& [name, frames] : atlas.clips) {
    std::stable_sort(frames.begin(), frames.end(), [](const FrameRaw& a, const FrameRaw& b) { return a.i < b.i; });
  }
  atlas.scale = size_scale(size_key);
  atlas.sit = raw.sit * atlas.scale;
  atlas.ear = raw.ear * atlas.scale;
  return atlas;
}

const std::vector<FrameRaw>* find_clip(const SizeAtlas& atlas, std::string_view clip) {
  auto it = atlas.clips.find(clip);
  return it == atlas.clips.end() || it->second.empty() ? nullptr : &it->second;
}

const std::vector<FrameRaw>* clip_or_sit(const SizeAtlas& atlas, std::string_view clip) {
  const std::vector<FrameRaw>* frames = find_clip(atlas, clip);
  return frames ? frames : find_clip(atlas, "sit");
}

const std::vector<FrameRaw>& clip_frames(const SizeAtlas& atlas, std::string_view clip) {
  const std::vector<FrameRaw>* frames = clip_or_sit(atlas, clip);
  if (!frames) fatal("missing sit pose");
  return *frames;
}

bool has_clip(const SizeAtlas& atlas, std::string_view clip) { return find_clip(atlas, clip) != nullptr; }

}  // namespace burrowly
