#pragma once

#include <QObject>

class QDBusPendingCallWatcher;
class QDBusVariant;

namespace Runtime {

// The colour scheme the user chose on the desktop, as the desktop portal
// tells every program: org.freedesktop.appearance color-scheme, 0 for no
// preference, 1 for dark, 2 for light (GNOME's Settings, Appearance). Asked
// once without waiting for the answer, then followed while the program runs.
// Without a session bus, or a portal on it, nothing is ever told.
class ColourSchemePortal : public QObject
{
    Q_OBJECT

public:
    explicit ColourSchemePortal(QObject* parent);

signals:
    // The first answer, and every change after it.
    void schemeChanged(uint scheme);

private slots:
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void ask(const QString& method);
    void onAnswer(QDBusPendingCallWatcher* call, const QString& method);
};

} // namespace Runtime
