#pragma once

#include <QObject>

class QSocketNotifier;

namespace Runtime {

// SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C in the terminal, a closed
// terminal) end the program through End(), like the exit button: the event
// loop quits and the application object is destroyed, which is when the
// clipboard is handed over. The handler only writes the signal's number to a
// socket; the event loop reads it there (the self-pipe pattern).
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void onSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace Runtime
