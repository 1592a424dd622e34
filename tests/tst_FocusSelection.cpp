#include "FormHarness.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// Entered, clicked or confirmed with Enter, an input box selects its first
// ten characters, so the next keys replace the old number.
class TestFocusSelection : public QObject
{
    Q_OBJECT

private slots:
    void initialFocus();
    void typingAtStartReplacesTheZero();
    void clickSelectsLeadingText_data();
    void clickSelectsLeadingText();
    void clickThenTypeKeepsTheTail();
    void enterKeepsFocusAndInsertsNothing_data();
    void enterKeepsFocusAndInsertsNothing();
    void tabOrderAndSelection_data();
    void tabOrderAndSelection();
};

void TestFocusSelection::initialFocus()
{
    FormHarness harness;
    QVERIFY(harness.waitActive());
    QLineEdit* text3 = harness.box("Text3");
    QVERIFY(text3->hasFocus());
    QCOMPARE(text3->selectedText(), u"0");
    QCOMPARE(text3->selectionStart(), 0);
}

void TestFocusSelection::typingAtStartReplacesTheZero()
{
    FormHarness harness;
    QVERIFY(harness.waitActive());
    // Typed at the window, as a user does: the key goes to the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    QCOMPARE(harness.box("Text3")->text(), u"5");
    QCOMPARE(harness.box("Text4")->text(), u"0.127");
}

void TestFocusSelection::clickSelectsLeadingText_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focusedBefore");
    QTest::addColumn<QString>("selected");

    for (const QString& box : {u"Text1"_s, u"Text3"_s}) {
        const QByteArray b = box.toLatin1();
        QTest::addRow("%s short text, focus elsewhere", b.constData())
            << box << u"12.5"_s << false << u"12.5"_s;
        QTest::addRow("%s short text, focused", b.constData())
            << box << u"12.5"_s << true << u"12.5"_s;
        QTest::addRow("%s fourteen characters", b.constData())
            << box << u"12345678901234"_s << true << u"1234567890"_s;
        QTest::addRow("%s fourteen characters, focus elsewhere", b.constData())
            << box << u"12345678901234"_s << false << u"1234567890"_s;
        QTest::addRow("%s empty", b.constData()) << box << QString() << true << QString();
    }
}

void TestFocusSelection::clickSelectsLeadingText()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(bool, focusedBefore);
    QFETCH(QString, selected);

    FormHarness harness;
    QVERIFY(harness.waitActive());
    QLineEdit* input = harness.box(box.toLatin1().constData());
    input->setText(text);
    if (focusedBefore) {
        input->setFocus();
    } else {
        harness.control("Command1")->setFocus();
    }
    // Wherever the click lands, no bare caret is left inside the text.
    for (const QPoint at : {QPoint(3, 5), input->rect().center(), QPoint(input->width() - 3, 5)}) {
        QTest::mouseClick(input, Qt::LeftButton, {}, at);
        QVERIFY(input->hasFocus());
        QCOMPARE(input->selectedText(), selected);
        QCOMPARE(input->selectionStart(), selected.isEmpty() ? -1 : 0);
    }
}

void TestFocusSelection::clickThenTypeKeepsTheTail()
{
    FormHarness harness;
    QVERIFY(harness.waitActive());
    QLineEdit* input = harness.box("Text1");
    input->setText(u"12345678901234"_s);
    QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(input->width() - 3, 5));
    QTest::keyClick(input, Qt::Key_9);
    QCOMPARE(input->text(), u"91234");
    QCOMPARE(harness.box("Text2")->text(), u"3591882.58");
}

void TestFocusSelection::enterKeepsFocusAndInsertsNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");

    QTest::newRow("Text1 Return") << u"Text1"_s << int(Qt::Key_Return);
    QTest::newRow("Text1 keypad Enter") << u"Text1"_s << int(Qt::Key_Enter);
    QTest::newRow("Text3 Return") << u"Text3"_s << int(Qt::Key_Return);
    QTest::newRow("Text3 keypad Enter") << u"Text3"_s << int(Qt::Key_Enter);
}

void TestFocusSelection::enterKeepsFocusAndInsertsNothing()
{
    QFETCH(QString, box);
    QFETCH(int, key);

    FormHarness harness;
    QVERIFY(harness.waitActive());
    auto* button = harness.control<QPushButton>("Command1");
    QSignalSpy pressed(button, &QPushButton::clicked);
    QLineEdit* input = harness.box(box.toLatin1().constData());
    input->setFocus();
    input->setText(u"12345678901234"_s);
    input->setCursorPosition(5);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(input->hasFocus());
    QCOMPARE(input->text(), u"12345678901234");
    QCOMPARE(input->selectedText(), u"1234567890");
    QTest::keyClick(input, Qt::Key_Escape);
    QVERIFY(input->hasFocus());
    QCOMPARE(pressed.count(), 0);
}

void TestFocusSelection::tabOrderAndSelection_data()
{
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("Tab") << false
                         << QStringList{u"Text4"_s, u"Command1"_s, u"Text1"_s, u"Text2"_s,
                                        u"Text3"_s};
    QTest::newRow("Backtab") << true
                             << QStringList{u"Text2"_s, u"Text1"_s, u"Command1"_s, u"Text4"_s,
                                            u"Text3"_s};
}

void TestFocusSelection::tabOrderAndSelection()
{
    QFETCH(bool, backwards);
    QFETCH(QStringList, order);

    FormHarness harness;
    QVERIFY(harness.waitActive());
    harness.box("Text1")->setText(u"12345678901234"_s);
    harness.box("Text3")->setText(u"98765432109876"_s);
    QVERIFY(harness.box("Text3")->hasFocus());

    for (const QString& name : order) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), name);
        // Entering an input box this way selects only its first ten characters.
        if (name == u"Text1" || name == u"Text3") {
            auto* input = qobject_cast<QLineEdit*>(focus);
            QCOMPARE(input->selectedText(), input->text().first(10));
            QCOMPARE(input->selectionStart(), 0);
        }
    }
}

QTEST_MAIN(TestFocusSelection)
#include "tst_FocusSelection.moc"
