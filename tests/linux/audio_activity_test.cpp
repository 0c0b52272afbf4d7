// The audio flags against a private PulseAudio server with one null output
// ("speakers") and one null input ("microphone"), driven by pacat streams.
#include "shell/linux/audio_activity.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "child_process.h"

namespace burrowly {
namespace {

using namespace std::chrono_literals;
using test_process::ChildProcess;
using test_process::wait_until;

constexpr auto kTimeout = 15s;  // long enough for a reconnection attempt

class AudioActivityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test_process::make_temp_dir();
    setenv("PULSE_SERVER", ("unix:" + socket()).c_str(), 1);
  }

  void TearDown() override {
    stop_server();
    unsetenv("PULSE_SERVER");
    std::filesystem::remove_all(dir_);
  }

  std::string socket() const { return dir_ + "/native"; }

  void start_server() {
    server_ = std::make_unique<ChildProcess>(std::vector<std::string>{
        "env", "HOME=" + dir_, "XDG_RUNTIME_DIR=" + dir_, "pulseaudio", "-n", "--daemonize=no",
        "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes", "--log-level=error", "-L",
        "module-null-sink sink_name=speakers", "-L", "module-null-source source_name=microphone", "-L",
        "module-native-protocol-unix auth-anonymous=1 socket=" + socket()});
    ASSERT_TRUE(wait_until([&] { return std::filesystem::exists(socket()); }, kTimeout));
  }

  void stop_server() {
    server_.reset();
    std::filesystem::remove(socket());
  }

  static std::unique_ptr<ChildProcess> pacat(std::vector<std::string> args) {
    args.insert(args.begin(), "pacat");
    return std::make_unique<ChildProcess>(args);
  }

  // How many lines `pactl list short <what>` prints.
  static int listed(const std::string& what) {
    FILE* out = popen(("pactl list short " + what + " 2>/dev/null").c_str(), "r");
    int lines = 0;
    for (int c; (c = std::fgetc(out)) != EOF;) lines += c == '\n';
    pclose(out);
    return lines;
  }

  std::string dir_;
  std::unique_ptr<ChildProcess> server_;
};

TEST_F(AudioActivityTest, FollowsStreamsThatPlayToAnOutputOrRecordFromAnInput) {
  start_server();
  AudioActivity audio;
  // Streams that do not count: a notification sound, a recording of the speakers and
  // the server's own loopback from the microphone to the speakers.
  auto beep = pacat({"--playback", "--device=speakers", "--property=media.role=event", "/dev/zero"});
  auto speakers_recording = pacat({"--record", "--device=speakers.monitor", "/dev/null"});
  ASSERT_EQ(std::system("pactl load-module module-loopback source=microphone sink=speakers >/dev/null"), 0);
  ASSERT_TRUE(wait_until([] { return listed("sink-inputs") == 2 && listed("source-outputs") == 2; }, kTimeout));

  auto voice = pacat({"--record", "--device=microphone", "/dev/null"});
  ASSERT_TRUE(wait_until([&] { return audio.microphone_in_use(); }, kTimeout));
  EXPECT_FALSE(audio.sound_playing());

  auto music = pacat({"--playback", "--device=speakers", "/dev/zero"});
  ASSERT_TRUE(wait_until([&] { return audio.sound_playing(); }, kTimeout));

  music->stop();
  EXPECT_TRUE(wait_until([&] { return !audio.sound_playing(); }, kTimeout));
  voice->stop();
  EXPECT_TRUE(wait_until([&] { return !audio.microphone_in_use(); }, kTimeout));
}

TEST_F(AudioActivityTest, FindsAServerThatStartsLaterOrRestarts) {
  AudioActivity audio;  // no server yet
  EXPECT_FALSE(audio.sound_playing());
  start_server();
  auto music = pacat({"--playback", "--device=speakers", "/dev/zero"});
  ASSERT_TRUE(wait_until([&] { return audio.sound_playing(); }, kTimeout));

  stop_server();
  EXPECT_TRUE(wait_until([&] { return !audio.sound_playing(); }, kTimeout));

  start_server();
  music = pacat({"--playback", "--device=speakers", "/dev/zero"});
  EXPECT_TRUE(wait_until([&] { return audio.sound_playing(); }, kTimeout));
}

}  // namespace
}  // namespace burrowly
