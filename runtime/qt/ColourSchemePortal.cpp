#include "runtime/qt/ColourSchemePortal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>

namespace Runtime {

namespace {

constexpr QLatin1StringView Service("org.freedesktop.portal.Desktop");
constexpr QLatin1StringView Path("/org/freedesktop/portal/desktop");
constexpr QLatin1StringView Interface("org.freedesktop.portal.Settings");
constexpr QLatin1StringView Group("org.freedesktop.appearance");
constexpr QLatin1StringView Key("color-scheme");

// A session bus to ask, without starting one: libdbus would start a bus of
// its own for a program that asks where there is none (a bare X11 session).
bool haveSessionBus()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")));
}

// Read answers a variant in a variant; ReadOne and the signal, the value's.
QVariant unwrapped(QVariant value)
{
    while (value.canConvert<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

} // namespace

ColourSchemePortal::ColourSchemePortal(QObject* parent)
    : QObject(parent)
{
    if (!haveSessionBus()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    bus.connect(Service, Path, Interface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    ask(QStringLiteral("ReadOne"));
}

// ReadOne since version 2 of the portal's Settings; Read before it.
void ColourSchemePortal::ask(const QString& method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, method);
    call << QString(Group) << QString(Key);
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, method](QDBusPendingCallWatcher* finished) { onAnswer(finished, method); });
}

void ColourSchemePortal::onAnswer(QDBusPendingCallWatcher* call, const QString& method)
{
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isError()) {
        if (method == u"ReadOne" && reply.error().type() == QDBusError::UnknownMethod) {
            ask(QStringLiteral("Read"));
        }
        return; // no portal, or none that knows the setting: nothing to follow
    }
    const QVariant scheme = unwrapped(reply.argumentAt(0));
    if (scheme.canConvert<uint>()) {
        emit schemeChanged(scheme.toUInt());
    }
}

void ColourSchemePortal::onSettingChanged(const QString& group, const QString& key,
                                          const QDBusVariant& value)
{
    if (group == Group && key == Key) {
        emit schemeChanged(unwrapped(value.variant()).toUInt());
    }
}

} // namespace Runtime
