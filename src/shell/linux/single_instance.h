#pragma once
// One tray application per user session: an exclusive lock on a file in the user's
// runtime folder, which the system drops when the process ends however it ends.

namespace burrowly {

class SingleInstance {
 public:
  // Takes the lock; held() is false when another instance holds it.
  SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;
  ~SingleInstance();

  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace burrowly
