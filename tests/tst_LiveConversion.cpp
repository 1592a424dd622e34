#include "FormHarness.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One user action in an input box.
enum class Action { Click, Type, SelectAllDelete, Backspace };

struct Step {
    Action action;
    QString keys;      // for Type
    QString result;    // the row's result box afterwards
    QString clipboard; // the clipboard afterwards; empty: still untouched
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

// Typing into the real window converts at once into the row's result box and
// copies the result to the clipboard; texts that are not numbers change nothing.
class TestLiveConversion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void typing_data();
    void typing();
    void rowsAreIndependent();
    void resultBoxIsWhatClipboardGets();
    void nothingAtStartUp();
    void locales_data();
    void locales();
    void hugePaste();

private:
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
};

void TestLiveConversion::init()
{
    QGuiApplication::clipboard()->clear();
}

void TestLiveConversion::typing_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QList<Step>>("steps");

    using A = Action;
    QTest::newRow("12 after the selected 0")
        << u"Text1"_s << u"Text2"_s
        << QList<Step>{{A::Click, {}, u"0"_s, {}},
                       {A::Type, u"1"_s, u"39.37"_s, u"39.37"_s},
                       {A::Type, u"2"_s, u"472.44"_s, u"472.44"_s}};
    QTest::newRow("deleting the selection changes nothing")
        << u"Text1"_s << u"Text2"_s
        << QList<Step>{{A::Click, {}, u"0"_s, {}},
                       {A::Type, u"12"_s, u"472.44"_s, u"472.44"_s},
                       {A::SelectAllDelete, {}, u"472.44"_s, u"472.44"_s}};
    QTest::newRow("backspace passes through 1")
        << u"Text1"_s << u"Text2"_s
        << QList<Step>{{A::Click, {}, u"0"_s, {}},
                       {A::Type, u"12"_s, u"472.44"_s, u"472.44"_s},
                       {A::Backspace, {}, u"39.37"_s, u"39.37"_s},
                       {A::Backspace, {}, u"39.37"_s, u"39.37"_s}};
    QTest::newRow("3937 step by step")
        << u"Text3"_s << u"Text4"_s
        << QList<Step>{{A::Click, {}, u"0"_s, {}},
                       {A::Type, u"3"_s, u"0.076"_s, u"0.076"_s},
                       {A::Type, u"9"_s, u"0.991"_s, u"0.991"_s},
                       {A::Type, u"3"_s, u"9.982"_s, u"9.982"_s},
                       {A::Type, u"7"_s, u"100.000"_s, u"100.000"_s}};
    QTest::newRow("letter after a number")
        << u"Text3"_s << u"Text4"_s
        << QList<Step>{{A::Click, {}, u"0"_s, {}},
                       {A::Type, u"5"_s, u"0.127"_s, u"0.127"_s},
                       {A::Type, u"a"_s, u"0.127"_s, u"0.127"_s},
                       {A::Type, u"1"_s, u"0.127"_s, u"0.127"_s}};
    QTest::newRow("sign, separator and exponent")
        << u"Text1"_s << u"Text2"_s
        << QList<Step>{{A::Click, {}, u"0"_s, {}},
                       {A::Type, u"-"_s, u"0"_s, {}},
                       {A::Type, u"."_s, u"0"_s, {}},
                       {A::Type, u"5"_s, u"-19.69"_s, u"-19.69"_s},
                       {A::Type, u"e"_s, u"-19.69"_s, u"-19.69"_s},
                       {A::Type, u"2"_s, u"-1968.50"_s, u"-1968.50"_s}};
    QTest::newRow("overflow is not a number")
        << u"Text1"_s << u"Text2"_s
        << QList<Step>{{A::Click, {}, u"0"_s, {}},
                       {A::Type, u"1e30"_s, u"39370000000000000000000000000000.00"_s,
                        u"39370000000000000000000000000000.00"_s},
                       {A::Type, u"8"_s, u"39370000000000000000000000000000.00"_s,
                        u"39370000000000000000000000000000.00"_s}};
}

void TestLiveConversion::typing()
{
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(QList<Step>, steps);

    FormHarness harness;
    QVERIFY(harness.waitActive());
    QLineEdit* in = harness.box(input.toLatin1().constData());
    QLineEdit* out = harness.box(result.toLatin1().constData());

    for (qsizetype i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        switch (step.action) {
        case Action::Click:
            QTest::mouseClick(in, Qt::LeftButton, {}, in->rect().center());
            break;
        case Action::Type:
            QTest::keyClicks(in, step.keys);
            break;
        case Action::SelectAllDelete:
            QTest::keyClick(in, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(in, Qt::Key_Delete);
            break;
        case Action::Backspace:
            QTest::keyClick(in, Qt::Key_Backspace);
            break;
        }
        const QString where = QStringLiteral("after step %1: ").arg(i);
        QVERIFY2(out->text() == step.result, qPrintable(where + u"result "_s + out->text()));
        QVERIFY2(clipboardText() == step.clipboard,
                 qPrintable(where + u"clipboard "_s + clipboardText()));
    }
}

void TestLiveConversion::rowsAreIndependent()
{
    FormHarness harness;
    QVERIFY(harness.waitActive());
    QTest::mouseClick(harness.box("Text1"), Qt::LeftButton);
    QTest::keyClicks(harness.box("Text1"), u"12"_s);
    QCOMPARE(harness.box("Text2")->text(), u"472.44");

    QTest::mouseClick(harness.box("Text3"), Qt::LeftButton);
    QTest::keyClicks(harness.box("Text3"), u"7"_s);
    QCOMPARE(harness.box("Text4")->text(), u"0.178");
    QCOMPARE(clipboardText(), u"0.178"); // the most recent accepted edit, either row
    QCOMPARE(harness.box("Text1")->text(), u"12");
    QCOMPARE(harness.box("Text2")->text(), u"472.44");

    QTest::keyClick(harness.box("Text1"), Qt::Key_Backspace);
    QCOMPARE(clipboardText(), u"39.37");
    QCOMPARE(harness.box("Text3")->text(), u"7");
    QCOMPARE(harness.box("Text4")->text(), u"0.178");
}

void TestLiveConversion::resultBoxIsWhatClipboardGets()
{
    FormHarness harness;
    QLineEdit* in = harness.box("Text1");
    // A paste is an edit like any other.
    in->selectAll();
    in->insert(u"  25.4 "_s);
    QCOMPARE(harness.box("Text2")->text(), u"1000.00");
    QCOMPARE(clipboardText(), harness.box("Text2")->text());
    // The primary selection is the user's, not ours.
    if (QGuiApplication::clipboard()->supportsSelection()) {
        QVERIFY(QGuiApplication::clipboard()->text(QClipboard::Selection) != u"1000.00");
    }
}

void TestLiveConversion::nothingAtStartUp()
{
    QGuiApplication::clipboard()->setText(u"the user's text"_s);
    FormHarness harness;
    QVERIFY(harness.waitActive());
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
        QCOMPARE(harness.box(name)->text(), u"0");
    }
    QCOMPARE(clipboardText(), u"the user's text");
}

void TestLiveConversion::locales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mils");

    QTest::newRow("C") << u"C"_s << u"1.5"_s << u"59.06"_s;
    QTest::newRow("C comma is no number") << u"C"_s << u"1,5"_s << u"39.37"_s;
    QTest::newRow("en_US") << u"en_US"_s << u"2.5"_s << u"98.43"_s;
    QTest::newRow("de_DE comma") << u"de_DE"_s << u"1,5"_s << u"59,06"_s;
    QTest::newRow("de_DE point") << u"de_DE"_s << u"1.5"_s << u"59,06"_s;
    QTest::newRow("zh_TW") << u"zh_TW"_s << u"0.5"_s << u"19.69"_s;
}

// The separator the user's locale writes, in and out; the caption stays.
void TestLiveConversion::locales()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, mils);

    const QLocale previous;
    const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
    QLocale::setDefault(QLocale(locale));
    FormHarness harness;
    QLineEdit* in = harness.box("Text1");
    in->selectAll();
    QTest::keyClicks(in, typed);

    QCOMPARE(harness.box("Text2")->text(), mils);
    QCOMPARE(clipboardText(), mils);
    QCOMPARE(harness.control<QWidget>("Command1")->property("text").toString(), u"離     開");
}

void TestLiveConversion::hugePaste()
{
    FormHarness harness;
    QLineEdit* in = harness.box("Text3");
    QGuiApplication::clipboard()->setText(u"0."_s + QString(200'000, u'3'));
    in->selectAll();
    QTest::keyClick(in, Qt::Key_V, Qt::ControlModifier);
    // A line edit holds at most 32767 characters; what it kept converts.
    QCOMPARE(in->text().size(), in->maxLength());
    QCOMPARE(harness.box("Text4")->text(), u"0.008");
    QCOMPARE(clipboardText(), u"0.008");
    // And the next keys are handled as ever.
    QTest::keyClick(in, Qt::Key_Home);
    QTest::keyClick(in, Qt::Key_Delete);
    QTest::keyClicks(in, u"9"_s);
    QCOMPARE(harness.box("Text4")->text(), u"0.237");
    QCOMPARE(clipboardText(), u"0.237");
}

QTEST_MAIN(TestLiveConversion)
#include "tst_LiveConversion.moc"
