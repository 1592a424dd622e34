#include "runtime/qt/SessionBus.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace Runtime {

bool HaveSessionBus()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")));
}

} // namespace Runtime
