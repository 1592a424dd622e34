#include "runtime/qt/AppearancePortal.h"

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
constexpr QLatin1StringView Appearance("org.freedesktop.appearance");
constexpr QLatin1StringView GnomeInterface("org.gnome.desktop.interface");
// By Setting: where each is, under which key.
constexpr QLatin1StringView Namespace[] = {Appearance, Appearance, GnomeInterface, GnomeInterface};
constexpr QLatin1StringView Keys[] = {QLatin1StringView("color-scheme"),
                                      QLatin1StringView("contrast"), QLatin1StringView("font-name"),
                                      QLatin1StringView("text-scaling-factor")};
// The largest value of each enumeration; the range of the scaling that a
// desktop offers.
constexpr uint Largest[] = {2, 1};
constexpr double LeastScaling = 0.5;
constexpr double MostScaling = 3.0;

// A value as the portal sends it, in as many variants as it wraps it in.
QVariant unwrapped(QVariant value)
{
    while (value.canConvert<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

} // namespace

AppearancePortal::AppearancePortal(QObject* parent)
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
    // Every version of the portal's Settings has ReadAll: one question, every
    // answer.
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("ReadAll"));
    call << QStringList{QString(Appearance), QString(GnomeInterface)};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) { onAnswer(finished); });
}

void AppearancePortal::onAnswer(QDBusPendingCallWatcher* call)
{
    call->deleteLater();
    const QDBusPendingReply<Namespaces> reply = *call;
    if (reply.isError()) {
        return; // no portal: nothing to follow
    }
    const Namespaces answer = reply.value();
    for (int setting = 0; setting < SettingCount; ++setting) {
        const QVariantMap keys = answer.value(QString(Namespace[setting]));
        const auto value = keys.constFind(QString(Keys[setting]));
        // A signal since the question is newer than the answer.
        if (value != keys.cend() && !m_signalled[setting]) {
            tell(static_cast<Setting>(setting), unwrapped(*value));
        }
    }
}

void AppearancePortal::onSettingChanged(const QString& group, const QString& key,
                                        const QDBusVariant& value)
{
    for (int setting = 0; setting < SettingCount; ++setting) {
        if (group == Namespace[setting] && key == Keys[setting] &&
            tell(static_cast<Setting>(setting), unwrapped(value.variant()))) {
            m_signalled[setting] = true;
        }
    }
}

bool AppearancePortal::tell(Setting setting, const QVariant& value)
{
    switch (setting) {
    case Scheme:
    case Contrast:
        if (value.metaType() != QMetaType::fromType<uint>() || value.toUInt() > Largest[setting]) {
            return false;
        }
        if (setting == Scheme) {
            emit schemeChanged(value.toUInt());
        } else {
            emit contrastChanged(value.toUInt());
        }
        return true;
    case FontName:
        if (value.metaType() != QMetaType::fromType<QString>()) {
            return false;
        }
        emit fontNameChanged(value.toString());
        return true;
    case TextScaling:
        if (value.metaType() != QMetaType::fromType<double>() ||
            !(value.toDouble() >= LeastScaling && value.toDouble() <= MostScaling)) {
            return false;
        }
        emit textScalingChanged(value.toDouble());
        return true;
    case SettingCount:
        break;
    }
    return false;
}

} // namespace Runtime
