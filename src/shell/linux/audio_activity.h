#pragma once
// Whether some program plays sound or records from a microphone, kept up to date from
// the PulseAudio server (or PipeWire's PulseAudio service) on a thread of its own.
// Without a server both read false; a server that starts later or restarts is found
// again within a few seconds.

#include <memory>

namespace burrowly {

class AudioActivity {
 public:
  // Starts connecting in the background; never waits for the server.
  AudioActivity();
  ~AudioActivity();
  AudioActivity(const AudioActivity&) = delete;
  AudioActivity& operator=(const AudioActivity&) = delete;

  // Some program's stream plays to an output and is not paused; event sounds
  // (notification beeps) and the server's own streams (loopbacks) do not count.
  bool sound_playing() const;
  // Some program's stream records from a real input and is not paused; recording what
  // an output plays (its monitor) is not the microphone, nor are the server's own streams.
  bool microphone_in_use() const;

 private:
  struct Server;
  std::unique_ptr<Server> server_;
};

}  // namespace burrowly
