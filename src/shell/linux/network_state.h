#pragma once
// Whether the computer is online: NetworkManager's connectivity state, read once and
// then followed through its StateChanged signal, on one system bus connection for the
// whole run. Where NetworkManager does not run, whether a default route exists.

#include <QObject>

#include <optional>

namespace burrowly {

class NetworkState : public QObject {
  Q_OBJECT

 public:
  explicit NetworkState(QObject* parent = nullptr);

  bool online() const;

 private Q_SLOTS:
  void state_changed(uint state);

 private:
  void read_state();

  std::optional<uint> manager_state_;  // empty while NetworkManager is not known to run
};

}  // namespace burrowly
