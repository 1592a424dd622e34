#include "FormHarness.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// Fails the test, instead of hanging it, when a query does not come back.
class Watchdog
{
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                std::fprintf(stderr, "FAIL: a text query did not return within %llds\n",
                             static_cast<long long>(limit.count()));
                std::_Exit(EXIT_FAILURE);
            }
        })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface) {
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    }
    return iface;
}

} // namespace

// What a screen reader is told about the window, and that it always gets an
// answer: every text query at every offset, the end of the text included.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }
    void textQueriesAnswer_data();
    void textQueriesAnswer();
    void controlsExplainThemselves_data();
    void controlsExplainThemselves();
};

void TestAccessibility::textQueriesAnswer_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");

    for (const char* box : {"Text1", "Text2", "Text3", "Text4"}) {
        for (const QString& text : {u"472.44"_s, u"0"_s, QString(), u" -1,5e3 x. y"_s}) {
            QTest::addRow("%s '%s'", box, qPrintable(text)) << QString::fromLatin1(box) << text;
        }
    }
}

void TestAccessibility::textQueriesAnswer()
{
    QFETCH(QString, box);
    QFETCH(QString, text);

    FormHarness harness;
    QLineEdit* edit = harness.box(box.toLatin1().constData());
    edit->setText(text);
    QAccessibleTextInterface* iface = accessible(edit)->textInterface();
    QVERIFY(iface);
    const int length = int(text.size());
    QCOMPARE(iface->characterCount(), length);

    const Watchdog watchdog(std::chrono::seconds(10));
    using B = QAccessible::TextBoundaryType;
    for (const B boundary : {B::WordBoundary, B::SentenceBoundary, B::CharBoundary,
                             B::ParagraphBoundary, B::LineBoundary, B::NoBoundary}) {
        for (int offset = 0; offset <= length; ++offset) {
            const QByteArray where = "boundary " + QByteArray::number(int(boundary)) + " offset " +
                                     QByteArray::number(offset);
            int start = -2;
            int end = -2;
            QString piece = iface->textAtOffset(offset, boundary, &start, &end);
            QVERIFY2(0 <= start && start <= end && end <= length, where);
            QCOMPARE(piece, text.mid(start, end - start));
            if (offset < length) {
                QVERIFY2(start <= offset && offset < end, where);
            }
            piece = iface->textBeforeOffset(offset, boundary, &start, &end);
            QVERIFY2(start == -1 || (0 <= start && start <= end && end <= offset), where);
            QCOMPARE(piece, start == -1 ? QString() : text.mid(start, end - start));
            piece = iface->textAfterOffset(offset, boundary, &start, &end);
            QVERIFY2(start == -1 || (offset < end && start <= end && end <= length), where);
            QCOMPARE(piece, start == -1 ? QString() : text.mid(start, end - start));
        }
    }
    // One run of attributes covers the whole text, so that a reader builds
    // the line it speaks from all of it.
    for (int offset = 0; offset < length; ++offset) {
        int start = -1;
        int end = -1;
        iface->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, length);
    }
}

void TestAccessibility::controlsExplainThemselves_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>(
        "describes");                   // a word the description must have; none: no description
    QTest::addColumn<QString>("label"); // the control it is labelled by
    QTest::addColumn<bool>("editable");

    using A = QAccessible;
    QTest::newRow("window") << u"Form1"_s << int(A::Window) << u"Zandrel"_s << QString()
                            << QString() << false;
    QTest::newRow("Text1") << u"Text1"_s << int(A::EditableText) << u"Millimetres"_s
                           << u"clipboard"_s << u"Label1"_s << true;
    QTest::newRow("Text2") << u"Text2"_s << int(A::EditableText) << u"Mils result"_s << u"mils"_s
                           << u"Label2"_s << false;
    QTest::newRow("Text3") << u"Text3"_s << int(A::EditableText) << u"Mils"_s << u"clipboard"_s
                           << u"Label4"_s << true;
    QTest::newRow("Text4") << u"Text4"_s << int(A::EditableText) << u"Millimetres result"_s
                           << u"millimetres"_s << u"Label5"_s << false;
    QTest::newRow("Command1") << u"Command1"_s << int(A::Button) << u"Exit"_s << u"離開"_s
                              << QString() << false;
    QTest::newRow("Line1") << u"Line1"_s << int(A::Separator) << QString() << QString() << QString()
                           << false;
}

void TestAccessibility::controlsExplainThemselves()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, describes);
    QFETCH(QString, label);
    QFETCH(bool, editable);

    FormHarness harness;
    QObject* object =
        control == u"Form1" ? harness.form() : harness.control(control.toLatin1().constData());
    QAccessibleInterface* iface = accessible(object);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    const QString description = iface->text(QAccessible::Description);
    QVERIFY2(describes.isEmpty() ? description.isEmpty()
                                 : description.contains(describes, Qt::CaseInsensitive),
             qPrintable(description));
    if (role == QAccessible::EditableText) {
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
        QCOMPARE(bool(iface->state().editable), editable);
        QCOMPARE(bool(iface->state().readOnly), !editable);
        QCOMPARE(iface->editableTextInterface() != nullptr, editable);
    }
    QStringList labels;
    const auto relations = iface->relations(QAccessible::Label);
    for (const auto& relation : relations) {
        labels << relation.first->object()->objectName();
    }
    QCOMPARE(labels, label.isEmpty() ? QStringList() : QStringList{label});
}

QTEST_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
