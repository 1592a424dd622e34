#pragma once

#include <QMetaObject>
#include <QObject>

#include <functional>
#include <utility>

// Runs a function once the events already queued have been handled, however
// often it is asked for before then: whatever arrives in a burst is dealt
// with once, in the state the last of it left. What the run itself sets off
// asks for no other run: the run sees to it. It belongs to `context`, whose
// end drops a run still waiting; the run refers to its owner, so it is
// neither copied nor moved.
class Coalesced
{
public:
    Coalesced(QObject* context, std::function<void()> run)
        : m_context(context)
        , m_run(std::move(run))
    {
    }
    Coalesced(const Coalesced&) = delete;
    Coalesced& operator=(const Coalesced&) = delete;

    void request()
    {
        if (m_pending) {
            return;
        }
        m_pending = true;
        QMetaObject::invokeMethod(
            m_context,
            [this] {
                m_run();
                m_pending = false;
            },
            Qt::QueuedConnection);
    }

private:
    QObject* m_context;
    std::function<void()> m_run;
    bool m_pending = false;
};
