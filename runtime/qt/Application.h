#pragma once

#include <QApplication>

#include <exception>

namespace Runtime {

// The application object. It is the last-chance handler for errors: Qt
// cannot carry an exception through its event loop, so one that escapes an
// event handler is caught here, reported, and ends the program.
class Application : public QApplication
{
    Q_OBJECT

public:
    // Exit status of a program ended by an unhandled error.
    static constexpr int UnhandledErrorStatus = 1;

    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Ends the program at once: the event loop quits with `status`, and from
    // now on no input, focus or close event reaches any window, so no event
    // handler of the program runs again. The normal shutdown still follows,
    // which matters on X11, where Qt hands the clipboard to the desktop's
    // clipboard manager only when the application object is destroyed.
    void end(int status);

    [[nodiscard]] static Application* instance();

    // Reports an error that no handler caught, then ends the program with
    // UnhandledErrorStatus. Only the first report is shown.
    void reportAndEnd(std::exception_ptr error);

signals:
    // The end was asked for (end()): the event loop finishes its turn, then
    // the shutdown follows. Emitted once.
    void ending();

private:
    bool m_ended = false;
    bool m_reporting = false;
};

} // namespace Runtime
