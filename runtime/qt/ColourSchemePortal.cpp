#include "runtime/qt/ColourSchemePortal.h"

#include "runtime/qt/SessionBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
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

// A value as the portal sends it, in as many variants as it wraps it in.
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
    qDBusRegisterMetaType<Namespaces>();
    bus.connect(Service, Path, Interface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    // Every version of the portal's Settings has ReadAll: one question, both
    // answers.
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("ReadAll"));
    call << QStringList{QString(Group)};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) { onAnswer(finished); });
}

void ColourSchemePortal::onAnswer(QDBusPendingCallWatcher* call)
{
    call->deleteLater();
    const QDBusPendingReply<Namespaces> reply = *call;
    if (reply.isError()) {
        return; // no portal: nothing to follow
    }
    const QVariantMap appearance = reply.value().value(QString(Group));
    for (const Setting setting : {Scheme, Contrast}) {
        const auto value = appearance.constFind(QString(Keys[setting]));
        // A signal since the question is newer than the answer.
        if (value != appearance.cend() && !m_signalled[setting]) {
            tell(setting, unwrapped(*value));
        }
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
