// The floor for the start-up benchmark: a bare Qt Widgets program that
// shows the same controls at the same places and does nothing else.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zandrel"));
    window.setFixedSize(253, 134);
    const auto box = [&](int x, int y, int w) {
        auto* edit = new QLineEdit(QStringLiteral("0"), &window);
        edit->setGeometry(x, y, w, 25);
    };
    box(16, 8, 57);
    box(152, 8, 65);
    box(16, 64, 57);
    box(152, 64, 65);
    const auto label = [&](int x, int y, const char* text) {
        auto* l = new QLabel(QString::fromLatin1(text), &window);
        l->move(x, y);
        l->adjustSize();
    };
    label(80, 16, "mm");
    label(128, 16, "=");
    label(224, 16, "mil");
    label(80, 72, "mil");
    label(128, 72, "=");
    label(224, 72, "mm");
    auto* line = new QFrame(&window);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(16, 48, 224, 1);
    auto* button = new QPushButton(QStringLiteral("離     開"), &window);
    button->setGeometry(80, 104, 89, 25);
    window.show();
    return QApplication::exec();
}
