// The floor for the start-up benchmark: a bare Qt Widgets program that
// shows the same controls at the same places, from the program's own table
// at the design's size, and does nothing else.
#include "window/Controls.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace {

int pixels(int twips)
{
    return twips / Twips::PerPixel;
}

QString text(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(text(FormDesign::Title));
    window.setFixedSize(pixels(FormDesign::Width), pixels(FormDesign::Height));
    for (const Controls::Control& c : Controls::Table) {
        const Twips::Rect& r = c.design;
        QWidget* control = nullptr;
        switch (c.kind) {
        case Controls::Kind::Input:
        case Controls::Kind::Result:
            control = new QLineEdit(text(c.caption), &window);
            break;
        case Controls::Kind::Label:
            control = new QLabel(text(c.caption), &window);
            break;
        case Controls::Kind::Line: {
            auto* line = new QFrame(&window);
            line->setFrameShape(QFrame::HLine);
            control = line;
            break;
        }
        case Controls::Kind::Button:
            control = new QPushButton(text(c.caption), &window);
            break;
        }
        control->setGeometry(pixels(r.left), pixels(r.top), pixels(r.width),
                             std::max(1, pixels(r.height)));
        if (c.kind == Controls::Kind::Label) {
            control->adjustSize();
        }
    }
    window.show();
    return QApplication::exec();
}
