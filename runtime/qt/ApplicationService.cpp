#include "runtime/qt/ApplicationService.h"

#include "runtime/qt/Application.h"
#include "runtime/qt/SessionBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace Runtime {

namespace {

constexpr QLatin1StringView Interface("org.freedesktop.Application");
// A running instance answers at once; one that has not answered by then is
// stuck, and the user is better served by a window of a new start's own.
constexpr int AnswerTimeoutMs = 2500;

// The object path the desktop entry specification derives from the id.
QString objectPath(const QString& id)
{
    QString path = u'/' + id;
    path.replace(u'.', u'/').replace(u'-', u'_');
    return path;
}

} // namespace

ApplicationService::ApplicationService(const QString& appId, QObject* parent)
    : QObject(parent)
    , m_id(appId)
    , m_path(objectPath(appId))
{
    // From the moment the end is asked for, a new start gets a window of its
    // own rather than an answer from a program on its way out: the call it
    // makes finds neither the name nor the object.
    if (Application* app = Application::instance()) {
        connect(app, &Application::ending, this, [this] { release(); });
    }
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [this] { release(); });
}

ApplicationService::Claim ApplicationService::claim()
{
    if (!HaveSessionBus()) {
        return Claim::NoBus;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) {
        return Claim::NoBus;
    }
    // The object before the name: a start that finds the name taken calls it
    // at once, and it is there when the name passes to this process.
    if (!bus.registerObject(m_path, this, QDBusConnection::ExportScriptableSlots)) {
        return Claim::NoBus;
    }
    // Queued behind an instance that is there: if that one is ending, the
    // name comes here as it goes, and a later start finds this window.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(m_id, QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        bus.unregisterObject(m_path);
        return Claim::NoBus;
    }
    m_claimed = true;
    return reply.value() == QDBusConnectionInterface::ServiceRegistered ? Claim::Ours
                                                                        : Claim::Taken;
}

bool ApplicationService::activateRunning(const LaunchToken& token) const
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The call goes to the process that holds the name now, by its own
    // address: should the name pass to this queued process meanwhile, the
    // call still goes to the old one, which no longer answers, rather than
    // to this one, which cannot answer while it waits.
    const QString owner = bus.interface()->serviceOwner(m_id);
    if (owner.isEmpty() || owner == bus.baseService()) {
        return false;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(owner, m_path, Interface, QStringLiteral("Activate"));
    call << token.platformData();
    const QDBusMessage answer = bus.call(call, QDBus::Block, AnswerTimeoutMs);
    return answer.type() == QDBusMessage::ReplyMessage;
}

void ApplicationService::Activate(const QVariantMap& platformData)
{
    emit activated(LaunchToken::FromPlatformData(platformData));
}

// The program opens no files and has no actions.
void ApplicationService::Open(const QStringList& /*uris*/, const QVariantMap& /*platformData*/)
{
    sendErrorReply(QDBusError::NotSupported,
                   QCoreApplication::applicationName() + QStringLiteral(" opens no files"));
}

void ApplicationService::ActivateAction(const QString& name, const QVariantList& /*parameter*/,
                                        const QVariantMap& /*platformData*/)
{
    sendErrorReply(QDBusError::NotSupported, QStringLiteral("No such action: ") + name);
}

void ApplicationService::release()
{
    if (!m_claimed) {
        return;
    }
    m_claimed = false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(m_id);
    bus.unregisterObject(m_path);
}

} // namespace Runtime
