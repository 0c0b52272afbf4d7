#include "shell/linux/network_state.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

#include <fstream>
#include <sstream>
#include <string>

namespace burrowly {
namespace {

const QString kService = "org.freedesktop.NetworkManager";
const QString kPath = "/org/freedesktop/NetworkManager";
constexpr uint kConnectedGlobal = 70;

bool default_route_exists() {
  std::ifstream routes("/proc/net/route");
  std::string line;
  std::getline(routes, line);  // the header
  while (std::getline(routes, line)) {
    std::istringstream fields(line);
    std::string device, destination;
    if (fields >> device >> destination && destination == "00000000") return true;
  }
  return false;
}

}  // namespace

NetworkState::NetworkState(QObject* parent) : QObject(parent) {
  QDBusConnection system = QDBusConnection::systemBus();
  if (!system.isConnected()) return;
  system.connect(kService, kPath, kService, "StateChanged", this, SLOT(state_changed(uint)));
  auto* service = new QDBusServiceWatcher(kService, system,
                                          QDBusServiceWatcher::WatchForRegistration |
                                              QDBusServiceWatcher::WatchForUnregistration,
                                          this);
  connect(service, &QDBusServiceWatcher::serviceRegistered, this, &NetworkState::read_state);
  connect(service, &QDBusServiceWatcher::serviceUnregistered, this, [this] { manager_state_.reset(); });
  read_state();
}

bool NetworkState::online() const {
  return manager_state_ ? *manager_state_ >= kConnectedGlobal : default_route_exists();
}

void NetworkState::state_changed(uint state) { manager_state_ = state; }

// Asks for the state without waiting; until the answer, or when there is none, the
// default route speaks.
void NetworkState::read_state() {
  QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, "org.freedesktop.DBus.Properties", "Get");
  get << kService << QString("State");
  auto* call = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(get), this);
  connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answered) {
    const QDBusPendingReply<QDBusVariant> reply = *answered;
    if (reply.isValid()) manager_state_ = reply.value().variant().toUInt();
    answered->deleteLater();
  });
}

}  // namespace burrowly
