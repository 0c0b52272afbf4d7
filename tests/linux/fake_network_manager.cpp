// A stand-in for NetworkManager on the system bus, for tests on a private bus. It owns
// org.freedesktop.NetworkManager with the connectivity State given as its argument,
// prints "ready", then takes one state a line from standard input, announcing each
// through StateChanged. It ends, giving up its name, when standard input closes.
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QSocketNotifier>

#include <cstdio>
#include <string>

namespace {

class Manager : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.NetworkManager")
  Q_PROPERTY(uint State READ state)

 public:
  explicit Manager(uint state) : state_(state) {}
  uint state() const { return state_; }
  void change(uint state) {
    state_ = state;
    Q_EMIT StateChanged(state);
  }

 Q_SIGNALS:
  void StateChanged(uint state);

 private:
  uint state_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: fake-network-manager STATE\n", stderr);
    return 2;
  }
  Manager manager(std::stoul(argv[1]));
  QDBusConnection system = QDBusConnection::systemBus();
  if (!system.registerObject("/org/freedesktop/NetworkManager", &manager,
                             QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSignals) ||
      !system.registerService("org.freedesktop.NetworkManager")) {
    std::fputs("fake network manager: could not own org.freedesktop.NetworkManager\n", stderr);
    return 1;
  }
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  std::string pending;
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&pending, &manager] {
    char buffer[64];
    const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) return QCoreApplication::quit();
    pending.append(buffer, std::size_t(count));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1))
      manager.change(std::stoul(pending.substr(0, end)));
  });
  std::puts("ready");
  std::fflush(stdout);
  return QCoreApplication::exec();
}

#include "fake_network_manager.moc"
