#include "runtime/qt/ColourSchemePortal.h"

#include "runtime/qt/SessionBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace Runtime {

namespace {

constexpr QLatin1StringView Service("org.freedesktop.portal.Desktop");
constexpr QLatin1StringView Path("/org/freedesktop/portal/desktop");
constexpr QLatin1StringView Interface("org.freedesktop.portal.Settings");
constexpr QLatin1StringView Group("org.freedesktop.appearance");
// By Setting; and the largest value each knows.
constexpr QLatin1StringView Keys[] = {QLatin1StringView("color-scheme"),
                                      QLatin1StringView("contrast")};
constexpr uint Largest[] = {2, 1};

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
    if (!HaveSessionBus()) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    // The slot is found by its signature's names: Qt 6.4 knows the name
    // QDBusVariant only once the type is registered, which otherwise happens
    // by chance (Qt's own accessibility bridge starting first is enough to
    // lose the race), and connect() then fails.
    qRegisterMetaType<QDBusVariant>();
    bus.connect(Service, Path, Interface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    ask(Scheme, QStringLiteral("ReadOne"));
    ask(Contrast, QStringLiteral("ReadOne"));
}

// ReadOne since version 2 of the portal's Settings; Read before it.
void ColourSchemePortal::ask(Setting setting, const QString& method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, method);
    call << QString(Group) << QString(Keys[setting]);
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, setting, method](QDBusPendingCallWatcher* finished) {
                onAnswer(finished, setting, method);
            });
}

void ColourSchemePortal::onAnswer(QDBusPendingCallWatcher* call, Setting setting,
                                  const QString& method)
{
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isError()) {
        if (method == u"ReadOne" && reply.error().type() == QDBusError::UnknownMethod) {
            ask(setting, QStringLiteral("Read"));
        }
        return; // no portal, or none that knows the setting: nothing to follow
    }
    if (!m_signalled[setting]) {
        tell(setting, unwrapped(reply.argumentAt(0)));
    }
}

void ColourSchemePortal::onSettingChanged(const QString& group, const QString& key,
                                          const QDBusVariant& value)
{
    for (const Setting setting : {Scheme, Contrast}) {
        if (group == Group && key == Keys[setting] && tell(setting, unwrapped(value.variant()))) {
            m_signalled[setting] = true;
        }
    }
}

bool ColourSchemePortal::tell(Setting setting, const QVariant& value)
{
    if (value.metaType() != QMetaType::fromType<uint>() || value.toUInt() > Largest[setting]) {
        return false;
    }
    if (setting == Scheme) {
        emit schemeChanged(value.toUInt());
    } else {
        emit contrastChanged(value.toUInt());
    }
    return true;
}

} // namespace Runtime
