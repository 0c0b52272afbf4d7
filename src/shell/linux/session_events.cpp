#include "shell/linux/session_events.h"

#include <unistd.h>

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>

namespace burrowly {
namespace {

const QString kLogin = "org.freedesktop.login1";

class SessionWatcher : public QObject {
  Q_OBJECT

 public:
  SessionWatcher(QObject* parent, SessionHandlers handlers) : QObject(parent), handlers_(std::move(handlers)) {}

 public Q_SLOTS:
  void prepare_for_sleep(bool starting) {
    if (!starting) handlers_.woke();
  }
  void locked() { lock(true); }
  void unlocked() { lock(false); }
  void screensaver_active(bool active) { lock(active); }
  // The session's LockedHint, which GNOME's and KDE's lock screens set through logind.
  void session_properties(const QString& interface, const QVariantMap& changed, const QStringList&) {
    if (interface == kLogin + ".Session" && changed.contains("LockedHint")) lock(changed.value("LockedHint").toBool());
  }

 private:
  void lock(bool now_locked) {
    if (now_locked == locked_) return;
    locked_ = now_locked;
    handlers_.lock_changed(now_locked);
    if (!now_locked) handlers_.woke();
  }

  SessionHandlers handlers_;
  bool locked_ = false;
};

// This process's logind session object; empty when logind does not know it.
QString own_session_path() {
  QDBusInterface manager(kLogin, "/org/freedesktop/login1", kLogin + ".Manager", QDBusConnection::systemBus());
  if (!manager.isValid()) return {};
  QDBusReply<QDBusObjectPath> reply = manager.call("GetSessionByPID", uint(getpid()));
  return reply.isValid() ? reply.value().path() : QString();
}

}  // namespace

void watch_session(QObject* parent, SessionHandlers handlers) {
  auto* watcher = new SessionWatcher(parent, std::move(handlers));
  QDBusConnection system = QDBusConnection::systemBus();
  system.connect(kLogin, "/org/freedesktop/login1", kLogin + ".Manager", "PrepareForSleep", watcher,
                 SLOT(prepare_for_sleep(bool)));
  if (const QString session = own_session_path(); !session.isEmpty()) {
    system.connect(kLogin, session, kLogin + ".Session", "Lock", watcher, SLOT(locked()));
    system.connect(kLogin, session, kLogin + ".Session", "Unlock", watcher, SLOT(unlocked()));
    system.connect(kLogin, session, "org.freedesktop.DBus.Properties", "PropertiesChanged", watcher,
                   SLOT(session_properties(QString, QVariantMap, QStringList)));
  }
  QDBusConnection::sessionBus().connect({}, "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver",
                                        "ActiveChanged", watcher, SLOT(screensaver_active(bool)));
}

}  // namespace burrowly

#include "session_events.moc"
