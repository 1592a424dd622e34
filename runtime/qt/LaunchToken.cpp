#include "runtime/qt/LaunchToken.h"

namespace Runtime {

namespace {

constexpr QLatin1StringView ActivationTokenKey("activation-token");
constexpr QLatin1StringView StartupIdKey("desktop-startup-id");

QString text(const QVariantMap& data, QLatin1StringView key)
{
    const QVariant value = data.value(QString(key));
    return value.metaType() == QMetaType::fromType<QString>() ? value.toString() : QString();
}

} // namespace

LaunchToken LaunchToken::FromEnvironment()
{
    return {qEnvironmentVariable("XDG_ACTIVATION_TOKEN"),
            qEnvironmentVariable("DESKTOP_STARTUP_ID")};
}

LaunchToken LaunchToken::FromPlatformData(const QVariantMap& data)
{
    return {text(data, ActivationTokenKey), text(data, StartupIdKey)};
}

QVariantMap LaunchToken::platformData() const
{
    QVariantMap data;
    if (!activationToken.isEmpty()) {
        data.insert(QString(ActivationTokenKey), activationToken);
    }
    if (!startupId.isEmpty()) {
        data.insert(QString(StartupIdKey), startupId);
    }
    return data;
}

std::optional<std::uint32_t> LaunchToken::startupTime() const
{
    const qsizetype at = startupId.lastIndexOf(QLatin1StringView("_TIME"));
    if (at < 0) {
        return std::nullopt;
    }
    bool ok = false;
    const uint time = QStringView(startupId).mid(at + 5).toUInt(&ok);
    if (!ok || time == 0) {
        return std::nullopt; // 0 is CurrentTime, which no action happened at
    }
    return time;
}

} // namespace Runtime
