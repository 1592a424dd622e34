#include "FormHarness.h"
#include "runtime/numbers/RuntimeError.h"
#include "runtime/qt/Application.h"
#include "runtime/qt/ApplicationService.h"
#include "runtime/qt/Clipboard.h"
#include "runtime/qt/ErrorReport.h"
#include "runtime/qt/EventProcedure.h"
#include "runtime/qt/LaunchToken.h"
#include "runtime/qt/Translations.h"
#include "runtime/qt/WaylandClipboardKeeper.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

int argcForApp = 1;
char appName[] = "tst_Runtime";
char* argvForApp[] = {appName, nullptr};

} // namespace

// Each test runs its own application object, since ending the program is
// what it checks, and an ended application lets no input through.
class TestRuntime : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void messageIsTraditionalChinese_data();
    void messageIsTraditionalChinese();
    void unhandledErrorIsReportedAndEnds_data();
    void unhandledErrorIsReportedAndEnds();
    void closingTheWindowEnds();
    void launchToken_data();
    void launchToken();
    void exitButtonEndsWithNonNumber();
    void endingLetsTheSessionGo();
    void startDuringTheEndTakesOver();
    void clipboardReplacesText();
    void maximiseRequestKeepsTheWindow();
    void noClipboardCopyWithoutDataControl();

private:
    std::unique_ptr<Runtime::Application> m_app;
};

void TestRuntime::init()
{
    m_app = std::make_unique<Runtime::Application>(argcForApp, argvForApp);
}

void TestRuntime::cleanup()
{
    m_app.reset();
    QLocale::setDefault(QLocale::system());
}

void TestRuntime::messageIsTraditionalChinese_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("expected");

    QTest::newRow("invalid call with detail")
        << 5 << u"bad pattern"_s << u"執行階段錯誤 '5':\n\n程序呼叫或引數不正確\n\nbad pattern"_s;
    QTest::newRow("internal") << 51 << QString() << u"執行階段錯誤 '51':\n\n內部錯誤"_s;
    QTest::newRow("unknown number")
        << 999 << QString() << u"執行階段錯誤 '999':\n\n應用程式定義或物件定義錯誤"_s;
}

void TestRuntime::messageIsTraditionalChinese()
{
    QFETCH(int, number);
    QFETCH(QString, detail);
    QFETCH(QString, expected);

    QCOMPARE(Runtime::UnhandledErrorMessage(number, detail), expected);
}

// The message is Traditional Chinese in every language; Qt's own button
// follows the user's.
void TestRuntime::unhandledErrorIsReportedAndEnds_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("button");
    QTest::newRow("English") << u"en_US"_s << u"OK"_s;
    QTest::newRow("Traditional Chinese") << u"zh_TW"_s << u"確定"_s;
}

void TestRuntime::unhandledErrorIsReportedAndEnds()
{
    QFETCH(QString, language);
    QFETCH(QString, button);
    QLocale::setDefault(QLocale(language));
    Runtime::InstallTranslations(u"zandrel"_s);
    FormHarness harness;
    QString shown;
    QString buttonText;
    // The report is modal; read it and dismiss it as the user would.
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, &reader, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            buttonText = box->button(QMessageBox::Ok)->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    reader.start(10);
    QTimer::singleShot(0, harness.form(), Runtime::EventProcedure([] {
                           throw Runtime::RuntimeError(Runtime::RuntimeError::InvalidProcedureCall,
                                                       "raised by the test");
                       }));

    const int status = QCoreApplication::exec();
    QCOMPARE(status, Runtime::Application::UnhandledErrorStatus);
    QVERIFY(status != 0);
    QCOMPARE(shown, u"執行階段錯誤 '5':\n\n程序呼叫或引數不正確\n\nraised by the test");
    QCOMPARE(buttonText, button);
}

// What a second start hands the running program, as org.freedesktop.Application's
// platform data carries it, and the time of the user's action in a startup id.
void TestRuntime::launchToken_data()
{
    QTest::addColumn<QVariantMap>("data");
    QTest::addColumn<QString>("activationToken");
    QTest::addColumn<QString>("startupId");
    QTest::addColumn<qint64>("time"); // -1: none

    const QString id = u"desktop-startup-id"_s;
    QTest::newRow("a launcher's startup id")
        << QVariantMap{{id, u"gnome-shell-1234-host-zandrel-1_TIME98765"_s}} << QString()
        << u"gnome-shell-1234-host-zandrel-1_TIME98765"_s << qint64(98765);
    QTest::newRow("an activation token")
        << QVariantMap{{u"activation-token"_s, u"a1b2"_s}} << u"a1b2"_s << QString() << qint64(-1);
    QTest::newRow("a startup id without a time")
        << QVariantMap{{id, u"kde-42"_s}} << QString() << u"kde-42"_s << qint64(-1);
    QTest::newRow("time 0 is no time")
        << QVariantMap{{id, u"x_TIME0"_s}} << QString() << u"x_TIME0"_s << qint64(-1);
    QTest::newRow("a time that is no number")
        << QVariantMap{{id, u"x_TIME12ab"_s}} << QString() << u"x_TIME12ab"_s << qint64(-1);
    QTest::newRow("not a string: left out")
        << QVariantMap{{id, QByteArray("x_TIME5")}, {u"activation-token"_s, 7}} << QString()
        << QString() << qint64(-1);
}

void TestRuntime::launchToken()
{
    QFETCH(QVariantMap, data);
    QFETCH(QString, activationToken);
    QFETCH(QString, startupId);
    QFETCH(qint64, time);

    const auto token = Runtime::LaunchToken::FromPlatformData(data);
    QCOMPARE(token.activationToken, activationToken);
    QCOMPARE(token.startupId, startupId);
    QCOMPARE(token.startupTime() ? qint64(*token.startupTime()) : qint64(-1), time);
    const auto again = Runtime::LaunchToken::FromPlatformData(token.platformData());
    QCOMPARE(again.activationToken, activationToken);
    QCOMPARE(again.startupId, startupId);
}

void TestRuntime::closingTheWindowEnds()
{
    FormHarness harness;
    QTimer::singleShot(0, harness.form(), [&] { harness.form()->close(); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TestRuntime::exitButtonEndsWithNonNumber()
{
    FormHarness harness;
    QVERIFY(harness.waitActive());
    QLineEdit* text1 = harness.box("Text1");
    QTimer::singleShot(0, harness.form(), [&] {
        text1->selectAll();
        QTest::keyClicks(text1, u"abc"_s);
        QTest::mouseClick(harness.control("Command1"), Qt::LeftButton);
        // Ended at once: nothing typed from now on reaches the window.
        QTest::keyClicks(text1, u"12"_s);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(text1->text(), u"abc");
    QCOMPARE(harness.box("Text2")->text(), u"0");
    // Ended, not unloaded: the window was not closed on the way out.
    QVERIFY(harness.form()->isVisible());
}

// Once its end is asked for, the program no longer answers for the session,
// though its event loop has not yet ended: a start from then on finds the
// name free and makes a window of its own.
void TestRuntime::endingLetsTheSessionGo()
{
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
        QSKIP("on a session bus of the test's own: the runtime_session_bus test");
    }
    const QString id = u"io.github.zandrel.test"_s;
    Runtime::ApplicationService service(id);
    QCOMPARE(service.claim(), Runtime::ApplicationService::Claim::Ours);
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    QVERIFY(bus->isServiceRegistered(id));
    m_app->end(0);
    QVERIFY(!bus->isServiceRegistered(id));
}

// A start that finds the name still held by a program on its way out, which
// no longer answers, keeps a window of its own and has the name once that
// program has gone: the next start comes to this window.
void TestRuntime::startDuringTheEndTakesOver()
{
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
        QSKIP("on a session bus of the test's own: the runtime_session_bus test");
    }
    const QString id = u"io.github.zandrel.test"_s;
    const QString ending = u"the instance that is ending"_s;
    QDBusConnection old = QDBusConnection::connectToBus(QDBusConnection::SessionBus, ending);
    const auto disconnect = qScopeGuard([&] { QDBusConnection::disconnectFromBus(ending); });
    QVERIFY(old.registerService(id)); // its object already gone
    Runtime::ApplicationService service(id);
    QCOMPARE(service.claim(), Runtime::ApplicationService::Claim::Taken);
    QVERIFY(!service.activateRunning({}));
    int activated = 0;
    QObject::connect(&service, &Runtime::ApplicationService::activated, &service,
                     [&] { ++activated; });

    QVERIFY(old.unregisterService(id));
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    QTRY_COMPARE(bus->serviceOwner(id).value(), QDBusConnection::sessionBus().baseService());
    QDBusMessage next = QDBusMessage::createMethodCall(
        id, u"/io/github/zandrel/test"_s, u"org.freedesktop.Application"_s, u"Activate"_s);
    next << QVariantMap();
    old.asyncCall(next);
    QTRY_COMPARE(activated, 1);
    m_app->end(0);
    QVERIFY(!bus->isServiceRegistered(id));
}

void TestRuntime::clipboardReplacesText()
{
    QGuiApplication::clipboard()->setText(u"before"_s);
    Runtime::Clipboard::instance().SetText(u"39.37"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"39.37");
}

// What a title bar drawn by Qt asks for when its maximise button is clicked.
// A compositor then insists on exactly the size it maximises to: the window
// must comply or go back, and the program must not be ended for it.
void TestRuntime::maximiseRequestKeepsTheWindow()
{
    if (QGuiApplication::platformName() != u"wayland") {
        QSKIP("a compositor's rule: run on Wayland (scripts/with-weston.sh)");
    }
    FormHarness harness;
    QWidget* form = harness.form();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTest::qWait(200); // until the window knows who draws its title bar
    const QSize size = form->size();
    form->windowHandle()->setWindowStates(Qt::WindowMaximized);
    // A protocol error would end this process here.
    QTest::qWait(1000);
    QTRY_COMPARE(form->windowState(), Qt::WindowNoState);
    QTRY_COMPARE(form->size(), size);
}

// weston, like GNOME, lets no client without a window set the clipboard:
// wl-copy would flash a window of its own there, so none is started. A
// stand-in on PATH notes whether it was.
void TestRuntime::noClipboardCopyWithoutDataControl()
{
    if (QGuiApplication::platformName() != u"wayland") {
        QSKIP("a compositor's rule: run on Wayland (scripts/with-weston.sh)");
    }
    QTemporaryDir bin;
    QFile standIn(bin.filePath(u"wl-copy"_s));
    QVERIFY(standIn.open(QIODevice::WriteOnly));
    standIn.write("#!/bin/sh\ncat >\"$0.ran\"\n");
    standIn.close();
    standIn.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
    qputenv("PATH", QByteArray(QFile::encodeName(bin.path()) + ':' + path));

    QVERIFY(!Runtime::KeepOnWayland(u"0.127"_s));
    QVERIFY(!QFile::exists(bin.filePath(u"wl-copy.ran"_s)));
}

int main(int argc, char** argv)
{
    TestRuntime test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Runtime.moc"
