#pragma once

#include <QMap>
#include <QObject>
#include <QVariantMap>

class QDBusPendingCallWatcher;
class QDBusVariant;

namespace Runtime {

// The appearance the user chose on the desktop, as the desktop portal tells
// every program: org.freedesktop.appearance's color-scheme, 0 for no
// preference, 1 for dark, 2 for light (GNOME's Settings, Appearance), and
// contrast, 0 for normal, 1 for high (Settings, Accessibility, High
// Contrast; portals before 1.18 do not know it); and GNOME's interface font
// (org.gnome.desktop.interface's font-name, a Pango description such as
// "Cantarell 11") and its text-scaling-factor (Accessibility, Large Text:
// 1.25). All are asked at once, without waiting for the answer, then followed
// while the program runs. Only a value of the setting's type and range
// counts; anything else changes nothing, and the answer is old news for a
// setting that a signal has told since. Without a session bus, or a portal
// on it, nothing is ever told.
class AppearancePortal : public QObject
{
    Q_OBJECT

public:
    explicit AppearancePortal(QObject* parent);

signals:
    // The first answer, and every change after it.
    void schemeChanged(uint scheme);
    void contrastChanged(uint contrast);
    void fontNameChanged(const QString& description);
    void textScalingChanged(double factor);

private slots:
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    enum Setting { Scheme, Contrast, FontName, TextScaling, SettingCount };
    // ReadAll's answer: each namespace's keys and values.
    using Namespaces = QMap<QString, QVariantMap>;

    void onAnswer(QDBusPendingCallWatcher* call);
    // Tells a well-formed value on; false for anything else.
    bool tell(Setting setting, const QVariant& value);

    // A signal has told the setting since the program asked.
    bool m_signalled[SettingCount] = {};
};

} // namespace Runtime
