// A stand-in for logind on the system bus and the screensaver on the session bus, for
// tests on private buses. It owns org.freedesktop.login1, answers GetSessionByPID with
// one session, prints "ready", then sends one signal per line of standard input:
//   sleep, wake            PrepareForSleep(true / false)
//   lock, unlock           the session's Lock / Unlock
//   hint-on, hint-off      the session's LockedHint property changing to true / false
//   screensaver-on, -off   ActiveChanged(true / false)
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QSocketNotifier>

#include <cstdio>
#include <string>

namespace {

const QString kLogin = "org.freedesktop.login1";
const QString kSession = "/org/freedesktop/login1/session/c1";

class Manager : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

 public Q_SLOTS:
  QDBusObjectPath GetSessionByPID(uint) { return QDBusObjectPath(kSession); }
};

void emit_signal(QDBusConnection bus, const QString& path, const QString& interface, const QString& name,
                 const QVariantList& arguments = {}) {
  QDBusMessage message = QDBusMessage::createSignal(path, interface, name);
  message.setArguments(arguments);
  bus.send(message);
}

void send(const std::string& command) {
  QDBusConnection system = QDBusConnection::systemBus();
  if (command == "sleep" || command == "wake")
    emit_signal(system, "/org/freedesktop/login1", kLogin + ".Manager", "PrepareForSleep", {command == "sleep"});
  else if (command == "lock")
    emit_signal(system, kSession, kLogin + ".Session", "Lock");
  else if (command == "unlock")
    emit_signal(system, kSession, kLogin + ".Session", "Unlock");
  else if (command == "hint-on" || command == "hint-off")
    emit_signal(system, kSession, "org.freedesktop.DBus.Properties", "PropertiesChanged",
                {kLogin + ".Session", QVariantMap{{"LockedHint", command == "hint-on"}}, QStringList()});
  else if (command == "screensaver-on" || command == "screensaver-off")
    emit_signal(QDBusConnection::sessionBus(), "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
                "ActiveChanged", {command == "screensaver-on"});
  else
    std::fprintf(stderr, "fake logind: unknown command %s\n", command.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QDBusConnection system = QDBusConnection::systemBus();
  Manager manager;
  if (!system.registerObject("/org/freedesktop/login1", &manager, QDBusConnection::ExportAllSlots) ||
      !system.registerService(kLogin)) {
    std::fputs("fake logind: could not own org.freedesktop.login1\n", stderr);
    return 1;
  }
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  std::string pending;
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&pending] {
    char buffer[256];
    const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) return QCoreApplication::quit();
    pending.append(buffer, std::size_t(count));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1))
      send(pending.substr(0, end));
  });
  std::puts("ready");
  std::fflush(stdout);
  return QCoreApplication::exec();
}

#include "fake_logind.moc"
