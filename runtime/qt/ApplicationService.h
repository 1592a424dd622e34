#pragma once

#include "runtime/qt/LaunchToken.h"

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace Runtime {

// The program's one instance in the user's session, the way the desktops
// know applications: its id as a name on the session bus, serving
// org.freedesktop.Application there. A launcher that reads DBusActivatable
// in the desktop entry calls Activate on it instead of starting the program
// again; any other start finds the name taken and calls Activate itself,
// with the token its own launcher gave it, then ends. A start whose call
// goes unanswered (the instance is on its way out) keeps its own window and
// waits in the bus's queue for the name, which it has as soon as the old
// instance lets go: from then on it is the one instance.
class ApplicationService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    enum class Claim {
        Ours,  // this process is the instance
        Taken, // another process holds the name; this one is next in line
        NoBus, // no session bus: every start is an instance of its own
    };

    explicit ApplicationService(const QString& appId, QObject* parent = nullptr);

    [[nodiscard]] Claim claim();
    // Asks the instance that holds the name to bring its window forward.
    // False when it did not answer in time, or answered with an error, or
    // when the name has passed to this process meanwhile.
    [[nodiscard]] bool activateRunning(const LaunchToken& token) const;

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
    Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData);
    Q_SCRIPTABLE void ActivateAction(const QString& name, const QVariantList& parameter,
                                     const QVariantMap& platformData);

signals:
    // Another start, or a launcher, asked for the window.
    void activated(const Runtime::LaunchToken& token);

private:
    void release();

    QString m_id;
    QString m_path;
    // The name is ours or asked for: either way given back at the end.
    bool m_claimed = false;
};

} // namespace Runtime
