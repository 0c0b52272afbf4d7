#pragma once
// Session lock and resume from sleep, from logind on the system bus and the
// screensaver on the session bus; without those services nothing is reported.

#include <QObject>

#include <functional>

namespace burrowly {

struct SessionHandlers {
  std::function<void(bool locked)> lock_changed;
  std::function<void()> woke;  // after sleep, and when the session is unlocked
};

// Listens for as long as parent lives.
void watch_session(QObject* parent, SessionHandlers handlers);

}  // namespace burrowly
