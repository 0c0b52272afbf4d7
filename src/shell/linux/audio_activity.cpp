#include "shell/linux/audio_activity.h"

#include <pulse/pulseaudio.h>

#include <atomic>
#include <cstdint>
#include <string_view>
#include <unordered_set>

namespace burrowly {
namespace {

constexpr pa_usec_t kRetryDelay = 3 * PA_USEC_PER_SEC;

// Streams the server's own modules make (loopbacks, echo cancelling, combined outputs)
// belong to no client.
bool from_program(std::uint32_t client) { return client != PA_INVALID_INDEX; }

bool is_event_sound(const pa_proplist* properties) {
  const char* role = pa_proplist_gets(properties, PA_PROP_MEDIA_ROLE);
  return role && std::string_view(role) == "event";
}

}  // namespace

// Everything below runs on the main loop's thread, except construction and destruction,
// which hold the loop's lock. The two flags are the only state other threads read.
struct AudioActivity::Server {
  pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
  pa_context* context = nullptr;
  pa_time_event* retry = nullptr;
  std::atomic<bool> sound_playing{false};
  std::atomic<bool> microphone_in_use{false};

  // A count walks the sources, then the recording streams, then the playing streams.
  // Changes while one runs ask for one more afterwards.
  bool counting = false;
  bool count_again = false;
  std::unordered_set<std::uint32_t> monitor_sources;
  bool recording_seen = false;
  bool playing_seen = false;

  void connect() {
    context = pa_context_new(pa_threaded_mainloop_get_api(loop), "Burrowly");
    if (!context) return schedule_retry();
    pa_context_set_state_callback(context, on_state, this);
    // A failure reported at once may already have gone through on_state, which then
    // dropped the context and asked for a retry.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 && context) {
      drop_context();
      schedule_retry();
    }
  }

  void drop_context() {
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_set_subscribe_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    context = nullptr;
    counting = count_again = false;
  }

  void schedule_retry() {
    timeval when;
    pa_timeval_add(pa_gettimeofday(&when), kRetryDelay);
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
    retry = api->time_new(api, &when, on_retry, this);
  }

  void count() {
    if (counting) {
      count_again = true;
      return;
    }
    counting = true;
    count_again = false;
    monitor_sources.clear();
    recording_seen = playing_seen = false;
    follow(pa_context_get_source_info_list(context, on_source, this));
  }

  // Operations run on without their handle; a request that could not be sent ends the count.
  void follow(pa_operation* operation) {
    if (operation) pa_operation_unref(operation);
    else counting = false;
  }

  void finish_count() {
    sound_playing = playing_seen;
    microphone_in_use = recording_seen;
    counting = false;
    if (count_again) count();
  }

  static Server& of(void* data) { return *static_cast<Server*>(data); }

  static void on_state(pa_context* context, void* data) {
    Server& server = of(data);
    switch (pa_context_get_state(context)) {
      case PA_CONTEXT_READY:
        pa_context_set_subscribe_callback(context, on_change, data);
        server.follow(pa_context_subscribe(
            context, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK_INPUT | PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT),
            nullptr, nullptr));
        server.count();
        break;
      case PA_CONTEXT_FAILED:
      case PA_CONTEXT_TERMINATED:
        server.drop_context();
        server.sound_playing = false;
        server.microphone_in_use = false;
        server.schedule_retry();
        break;
      default:
        break;
    }
  }

  static void on_retry(pa_mainloop_api* api, pa_time_event* event, const timeval*, void* data) {
    api->time_free(event);
    of(data).retry = nullptr;
    of(data).connect();
  }

  static void on_change(pa_context*, pa_subscription_event_type_t, std::uint32_t, void* data) { of(data).count(); }

  static void on_source(pa_context* context, const pa_source_info* info, int eol, void* data) {
    Server& server = of(data);
    if (eol < 0) {
      server.counting = false;
    } else if (info) {
      if (info->monitor_of_sink != PA_INVALID_INDEX) server.monitor_sources.insert(info->index);
    } else {
      server.follow(pa_context_get_source_output_info_list(context, on_recording, data));
    }
  }

  static void on_recording(pa_context* context, const pa_source_output_info* info, int eol, void* data) {
    Server& server = of(data);
    if (eol < 0) {
      server.counting = false;
    } else if (info) {
      if (from_program(info->client) && !info->corked && !server.monitor_sources.contains(info->source))
        server.recording_seen = true;
    } else {
      server.follow(pa_context_get_sink_input_info_list(context, on_playing, data));
    }
  }

  static void on_playing(pa_context*, const pa_sink_input_info* info, int eol, void* data) {
    Server& server = of(data);
    if (eol < 0) {
      server.counting = false;
    } else if (info) {
      if (from_program(info->client) && !info->corked && !is_event_sound(info->proplist))
        server.playing_seen = true;
    } else {
      server.finish_count();
    }
  }
};

AudioActivity::AudioActivity() : server_(std::make_unique<Server>()) {
  if (!server_->loop) return;
  pa_threaded_mainloop_lock(server_->loop);
  server_->connect();
  pa_threaded_mainloop_unlock(server_->loop);
  pa_threaded_mainloop_start(server_->loop);
}

AudioActivity::~AudioActivity() {
  if (!server_->loop) return;
  pa_threaded_mainloop_lock(server_->loop);
  if (server_->context) server_->drop_context();
  if (server_->retry) pa_threaded_mainloop_get_api(server_->loop)->time_free(server_->retry);
  pa_threaded_mainloop_unlock(server_->loop);
  pa_threaded_mainloop_stop(server_->loop);
  pa_threaded_mainloop_free(server_->loop);
}

bool AudioActivity::sound_playing() const { return server_->sound_playing; }

bool AudioActivity::microphone_in_use() const { return server_->microphone_in_use; }

}  // namespace burrowly
