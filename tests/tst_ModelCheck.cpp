#include "ConversionOracle.h"
#include "FormHarness.h"
#include "WindowModel.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>

#include <clocale>

using namespace Qt::StringLiterals;

namespace {

const char* const ControlNames[] = {"Text1", "Text2", "Text3", "Text4", "Command1"};

// Characters a user may type: digits, signs, separators, exponent, letters, blanks.
constexpr QStringView Alphabet = u"0123456789012345+-.,eEax ";

int envOr(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

// Random edit sequences on both rows of the real window. After every step the
// four boxes, the clipboard and the focus must be what an independent model
// of the program's rules predicts. ZANDREL_MODEL_SEED and ZANDREL_MODEL_STEPS
// choose the run; a failure names both and the step.
class TestModelCheck : public QObject
{
    Q_OBJECT

private slots:
    void modelConversion_data();
    void modelConversion();
    void randomSessions();
};

// The model's own conversion, against the worked values, so that a wrong
// model cannot hide a wrong program.
void TestModelCheck::modelConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("mmToMil");
    QTest::addColumn<QString>("expected");

    QTest::newRow("12 mm") << u"12"_s << true << u"472.44"_s;
    QTest::newRow("0.5 mm") << u"0.5"_s << true << u"19.69"_s;
    QTest::newRow("-2 mm") << u"-2"_s << true << u"-78.74"_s;
    QTest::newRow("3937 mil") << u"3937"_s << false << u"100.000"_s;
    QTest::newRow("19.75 mil") << u"19.75"_s << false << u"0.502"_s;
    QTest::newRow("-0.001 mil") << u"-0.001"_s << false << u"0.000"_s;
    QTest::newRow("1e-400") << u"1e-400"_s << true << u"0.00"_s;
    QTest::newRow("abc") << u"abc"_s << true << QString();
    QTest::newRow("1e999") << u"1e999"_s << false << QString();
}

void TestModelCheck::modelConversion()
{
    QFETCH(QString, text);
    QFETCH(bool, mmToMil);
    QFETCH(QString, expected);

    std::setlocale(LC_NUMERIC, "C");
    QCOMPARE(OracleConvert(text, mmToMil).value_or(QString()), expected);
}

void TestModelCheck::randomSessions()
{
    std::setlocale(LC_NUMERIC, "C");
    const quint32 seed = quint32(envOr("ZANDREL_MODEL_SEED", 20261208));
    const int steps = envOr("ZANDREL_MODEL_STEPS", 10'000);
    qInfo("model check: seed %u, %d steps", seed, steps);
    QRandomGenerator random(seed);

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // A fresh window now and then, so that sessions start over too.
    std::unique_ptr<FormHarness> harness;
    QWidget other; // another program's window, to take the activation
    other.setObjectName(u"Other"_s);
    WindowModel model;
    QStringList recent;
    int acceptedTotal = 0;

    for (int step = 0; step < steps; ++step) {
        if (step % 500 == 0) {
            harness = std::make_unique<FormHarness>();
            QVERIFY(harness->waitActive());
            model = WindowModel();
            clipboard->clear();
        }
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QString action;
        const int acceptedBefore = model.acceptedEdits();
        const quint32 pick = random.bounded(100u);
        if (pick < 50) {
            QChar c = Alphabet[random.bounded(int(Alphabet.size()))];
            if (c == u' ' && model.focus() == WindowModel::Command1) {
                c = u'x'; // Space would press the exit button
            }
            action = u"type '"_s + c + u'\'';
            QTest::keyClicks(focus, QString(c));
            model.type(c);
        } else if (pick < 58) {
            action = u"Backspace"_s;
            QTest::keyClick(focus, Qt::Key_Backspace);
            model.backspace();
        } else if (pick < 63) {
            action = u"Delete"_s;
            QTest::keyClick(focus, Qt::Key_Delete);
            model.deleteForward();
        } else if (pick < 67) {
            action = u"select all, Delete"_s;
            QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(focus, Qt::Key_Delete);
            model.selectAllAndDelete();
        } else if (pick < 72) {
            QString text;
            for (quint32 i = 0, n = 1 + random.bounded(8u); i < n; ++i) {
                text += Alphabet[random.bounded(int(Alphabet.size()))];
            }
            action = u"paste '"_s + text + u'\'';
            clipboard->setText(text);
            QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
            model.paste(text);
        } else if (pick < 77) {
            action = u"Enter"_s;
            QTest::keyClick(focus, random.bounded(2) ? Qt::Key_Return : Qt::Key_Enter);
            model.enter();
        } else if (pick < 89) {
            const auto target = WindowModel::Control(random.bounded(4));
            QWidget* box = harness->control(ControlNames[target]);
            const QPoint at(2 + int(random.bounded(quint32(box->width() - 4))), box->height() / 2);
            action = u"click "_s + QString::fromLatin1(ControlNames[target]);
            QTest::mouseClick(box, Qt::LeftButton, {}, at);
            model.click(target);
        } else if (pick < 96) {
            action = u"another window, then back"_s;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            harness->form()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(harness->form()));
            model.reactivate();
        } else {
            const bool backwards = random.bounded(2);
            action = backwards ? u"Backtab"_s : u"Tab"_s;
            QTest::keyClick(focus, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            model.tab(backwards);
        }
        recent.append(action);
        if (recent.size() > 12) {
            recent.removeFirst();
        }

        // The message's bytes must outlive the lambda: the caller reads
        // them through constData() within its own statement.
        const auto fail = [&](const QString& what) {
            return QStringLiteral("seed %1, step %2 (%3): %4\nlast actions: %5")
                .arg(seed)
                .arg(step)
                .arg(action, what, recent.join(u", "))
                .toLocal8Bit();
        };
        for (int c = 0; c < 4; ++c) {
            const QString actual = harness->box(ControlNames[c])->text();
            const QString& expected = model.box(WindowModel::Control(c)).text;
            QVERIFY2(actual == expected,
                     fail(QStringLiteral("%1 is '%2', model says '%3'")
                              .arg(QString::fromLatin1(ControlNames[c]), actual, expected))
                         .constData());
        }
        QVERIFY2(clipboard->text() == model.clipboard(),
                 fail(QStringLiteral("clipboard is '%1', model says '%2'")
                          .arg(clipboard->text(), model.clipboard()))
                     .constData());
        // Nothing is ever lost: an accepted edit leaves its result box and the
        // clipboard holding the same text.
        if (model.acceptedEdits() != acceptedBefore) {
            const QString shown = harness->box(ControlNames[model.lastResult()])->text();
            QVERIFY2(clipboard->text() == shown,
                     fail(QStringLiteral("clipboard '%1' differs from the result box '%2'")
                              .arg(clipboard->text(), shown))
                         .constData());
            ++acceptedTotal;
        }
        QVERIFY2(QApplication::focusWidget() == harness->control(ControlNames[model.focus()]),
                 fail(u"focus is on "_s + QApplication::focusWidget()->objectName()).constData());
    }
    // A session that never converts would prove nothing.
    QVERIFY2(acceptedTotal > steps / 20, qPrintable(QString::number(acceptedTotal)));
    qInfo("%d accepted edits", acceptedTotal);
}

QTEST_MAIN(TestModelCheck)
#include "tst_ModelCheck.moc"
