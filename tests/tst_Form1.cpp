#include "FormHarness.h"
#include "window/qt/ZandrelProgram.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The window as it comes up: controls, places, texts, colours and order.
class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void programHeader();
    void boxes_data();
    void boxes();
    void labels_data();
    void labels();
    void exitButton();
    void tabOrder();
    void captionInBig5();
};

void TestForm1::window()
{
    FormHarness harness;
    QWidget* form = harness.form();
    QCOMPARE(form->objectName(), u"Form1");
    QCOMPARE(form->windowTitle(), u"Zandrel");
    QVERIFY(form->isVisible());
    // Fixed, and no maximise box.
    QCOMPARE(form->minimumSize(), form->size());
    QCOMPARE(form->maximumSize(), form->size());
    QVERIFY(!form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    // Set once the window has painted, so that it does not delay the first frame.
    QTRY_VERIFY(!form->windowIcon().isNull());
    QVERIFY(form->windowIcon().availableSizes().contains(QSize(16, 16)));
}

void TestForm1::programHeader()
{
    const Runtime::ProgramHeader header = ZandrelProgram();
    QCOMPARE(header.name, u"Zandrel");
    // The project's one version, as CMake has it.
    QCOMPARE(header.version, QLatin1String(ZANDREL_PROJECT_VERSION_TEXT));
    QCOMPARE(header.desktopFileName, u"io.github.zandrel.zandrel");
    const std::unique_ptr<Runtime::Form> form = header.createStartupForm();
    QCOMPARE(form->objectName(), u"Form1");
}

void TestForm1::boxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("accessibleName");

    QTest::newRow("Text1") << u"Text1"_s << false << u"Millimetres"_s;
    QTest::newRow("Text2") << u"Text2"_s << true << u"Mils result"_s;
    QTest::newRow("Text3") << u"Text3"_s << false << u"Mils"_s;
    QTest::newRow("Text4") << u"Text4"_s << true << u"Millimetres result"_s;
}

void TestForm1::boxes()
{
    QFETCH(QString, name);
    QFETCH(bool, result);
    QFETCH(QString, accessibleName);

    FormHarness harness;
    auto* box = harness.box(name.toLatin1().constData());
    QCOMPARE(box->text(), u"0");
    QCOMPARE(box->accessibleName(), accessibleName);
    QCOMPARE(box->isReadOnly(), result);
    // Result boxes stay reachable from the keyboard, to select and copy.
    QVERIFY(box->focusPolicy() & Qt::TabFocus);
    const QColor windowBase = harness.form()->palette().color(QPalette::Base);
    QCOMPARE(box->palette().color(QPalette::Base) != windowBase, result);
}

void TestForm1::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("Label1") << u"Label1"_s << u"mm"_s;
    QTest::newRow("Label3") << u"Label3"_s << u"="_s;
    QTest::newRow("Label2") << u"Label2"_s << u"mil"_s;
    QTest::newRow("Label4") << u"Label4"_s << u"mil"_s;
    QTest::newRow("Label6") << u"Label6"_s << u"="_s;
    QTest::newRow("Label5") << u"Label5"_s << u"mm"_s;
}

void TestForm1::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    FormHarness harness;
    auto* label = harness.control<QLabel>(name.toLatin1().constData());
    QCOMPARE(label->text(), text);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestForm1::exitButton()
{
    FormHarness harness;
    auto* button = harness.control<QPushButton>("Command1");
    QCOMPARE(button->text(), u"離     開");
    QVERIFY(!button->text().contains(u'&')); // no access key
    QVERIFY(!button->isDefault());
    QVERIFY(!button->autoDefault());
    QVERIFY(!button->accessibleName().isEmpty());
}

void TestForm1::tabOrder()
{
    FormHarness harness;
    const char* expected[] = {"Text1", "Text2", "Text3", "Text4", "Command1", "Text1"};
    QWidget* widget = harness.control("Text1");
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus)) {
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(widget->objectName(), QString::fromLatin1(expected[i]));
    }
}

void TestForm1::captionInBig5()
{
    FormHarness harness;
    const QString caption = harness.control<QPushButton>("Command1")->text();
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                          QStringLiteral("-t"), QStringLiteral("BIG5")});
    QVERIFY(iconv.waitForStarted());
    iconv.write(caption.toUtf8());
    iconv.closeWriteChannel();
    QVERIFY(iconv.waitForFinished());
    QCOMPARE(iconv.exitCode(), 0);
    QCOMPARE(iconv.readAllStandardOutput().toHex(' '), QByteArray("c2 f7 20 20 20 20 20 b6 7d"));
}

QTEST_MAIN(TestForm1)
#include "tst_Form1.moc"
