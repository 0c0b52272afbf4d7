#include "shell/linux/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/env.h"

namespace burrowly {
namespace {

// $XDG_RUNTIME_DIR (one per login session), else a private folder under /tmp.
std::string lock_path() {
  if (std::optional<std::string> runtime = env_var("XDG_RUNTIME_DIR"); runtime && !runtime->empty())
    return *runtime + "/burrowly.lock";
  const std::string folder = "/tmp/Burrowly_" + std::to_string(getuid());
  mkdir(folder.c_str(), 0700);
  return folder + "/burrowly.lock";
}

}  // namespace

SingleInstance::SingleInstance() {
  const int fd = open(lock_path().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return;
  }
  fd_ = fd;
}

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) close(fd_);
}

}  // namespace burrowly
