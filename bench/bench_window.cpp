// Google Benchmark registers each benchmark through a static object.
// clazy:excludeall=non-pod-global-static
// Time from a key event in an input box to the clipboard holding the new
// result, in process, on the offscreen platform.
#include "window/qt/Form1.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void keyToClipboard(benchmark::State& state)
{
    Form1 form;
    form.Load();
    auto* input = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};
    const QString expected[] = {QStringLiteral("39.37"), QStringLiteral("78.74"),
                                QStringLiteral("118.11"), QStringLiteral("157.48"),
                                QStringLiteral("196.85")};
    std::size_t i = 0;
    for (auto _ : state) {
        input->selectAll();
        QTest::keyClick(input, keys[i]);
        const QString text = clipboard->text();
        if (text != expected[i]) {
            state.SkipWithError("clipboard did not follow the key");
            break;
        }
        i = (i + 1) % std::size(keys);
    }
}

// The next keystroke after a 200,000-digit paste, which the box cuts to its
// 32767-character limit: the whole text is parsed again on every key.
void keyAfterHugePaste(benchmark::State& state)
{
    Form1 form;
    form.Load();
    auto* input = form.findChild<QLineEdit*>(QStringLiteral("Text3"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("0.") + QString(200'000, u'3'));
    input->selectAll();
    QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    input->setCursorPosition(0);
    const Qt::Key keys[] = {Qt::Key_1, Qt::Key_Delete};
    std::size_t i = 0;
    for (auto _ : state) {
        QTest::keyClick(input, keys[i]); // "10.333..." then back to "0.333..."
        benchmark::DoNotOptimize(clipboard->text());
        i ^= 1;
    }
    if (input->text().size() < 32000) {
        state.SkipWithError("the paste did not arrive");
    }
}

} // namespace

BENCHMARK(keyToClipboard)->Unit(benchmark::kMicrosecond);
BENCHMARK(keyAfterHugePaste)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
