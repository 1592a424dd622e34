#include "Form1.h"

#include "ConversionRow.h"
#include "EntryBox.h"
#include "EventProcedure.h"
#include "Program.h"
#include "SelectEntry.h"
#include "Twips.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// The caption is 離, five spaces, 開, with no access key.
const QString ExitCaption = QStringLiteral("離     開");

template <typename Widget>
Widget* makeControl(QWidget* parent, const QString& name)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = makeControl<QLabel>(parent, name);
    label->setText(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A result box can be selected and copied from but not typed into, and it
// shows the theme's three-dimensional light shade to say so.
void makeResultBox(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::StrongFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Midlight));
    box->setPalette(palette);
}

// A label takes at least its place in the layout and grows to fit its text
// in whatever font the desktop uses, so that it is never clipped.
void placeLabel(QLabel* label, const QRect& minimum)
{
    const QSize hint = label->sizeHint();
    label->setGeometry(QRect(minimum.topLeft(), minimum.size().expandedTo(hint)));
}

QIcon applicationIcon()
{
    // The theme's icon when the desktop entry is installed, ours otherwise.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/zandrel-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("io.github.zandrel.Zandrel"), icon);
}

} // namespace

Form1::Form1(QWidget* parent)
    : Runtime::Form(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zandrel"));
    // A fixed-size utility: no maximise box, position left to the window manager.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Twips::toPixels(3795), Twips::toPixels(2010));

    createControls();
    placeControls();
    setTabOrder();
    // Connected only after the boxes hold their initial "0": nothing is
    // converted, and the clipboard is left alone, until the first edit.
    connectEvents();
}

void Form1::createControls()
{
    Text1 = makeControl<EntryBox>(this, QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Millimetres"));
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("mm"));
    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("="));
    Text2 = makeControl<QLineEdit>(this, QStringLiteral("Text2"));
    Text2->setAccessibleName(tr("Mils result"));
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("mil"));

    Line1 = makeControl<QFrame>(this, QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);

    Text3 = makeControl<EntryBox>(this, QStringLiteral("Text3"));
    Text3->setAccessibleName(tr("Mils"));
    Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("mil"));
    Label6 = makeLabel(this, QStringLiteral("Label6"), QStringLiteral("="));
    Text4 = makeControl<QLineEdit>(this, QStringLiteral("Text4"));
    Text4->setAccessibleName(tr("Millimetres result"));
    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("mm"));

    Command1 = makeControl<QPushButton>(this, QStringLiteral("Command1"));
    Command1->setText(ExitCaption);
    Command1->setAccessibleName(tr("Exit"));
    // Enter and Esc never press it.
    Command1->setAutoDefault(false);
    Command1->setDefault(false);

    for (QLineEdit* box :
         {static_cast<QLineEdit*>(Text1), Text2, static_cast<QLineEdit*>(Text3), Text4}) {
        box->setText(QStringLiteral("0"));
    }
    makeResultBox(Text2);
    makeResultBox(Text4);
}

void Form1::placeControls()
{
    Text1->setGeometry(Twips::rect(240, 120, 855, 375));
    placeLabel(Label1, Twips::rect(1200, 240, 270, 180));
    placeLabel(Label3, Twips::rect(1920, 240, 90, 180));
    Text2->setGeometry(Twips::rect(2280, 120, 975, 375));
    placeLabel(Label2, Twips::rect(3360, 240, 225, 180));

    // A one-pixel line from (240, 720) to (3600, 720).
    const QPoint from = Twips::point(240, 720);
    const QPoint to = Twips::point(3600, 720);
    Line1->setGeometry(from.x(), from.y(), to.x() - from.x(), 1);

    Text3->setGeometry(Twips::rect(240, 960, 855, 375));
    placeLabel(Label4, Twips::rect(1200, 1080, 225, 180));
    placeLabel(Label6, Twips::rect(1920, 1080, 90, 180));
    Text4->setGeometry(Twips::rect(2280, 960, 975, 375));
    placeLabel(Label5, Twips::rect(3360, 1080, 270, 180));

    Command1->setGeometry(Twips::rect(1200, 1560, 1335, 375));
}

void Form1::setTabOrder()
{
    // By tab index; the labels and the line never take the focus.
    QWidget::setTabOrder(Text1, Text2);
    QWidget::setTabOrder(Text2, Text3);
    QWidget::setTabOrder(Text3, Text4);
    QWidget::setTabOrder(Text4, Command1);
}

void Form1::connectEvents()
{
    m_millimetreRow = new ConversionRow(Text1, Text2, Conversion::MmToMil, this);
    m_milRow = new ConversionRow(Text3, Text4, Conversion::MilToMm, this);
    connectEntryBox(Text1);
    connectEntryBox(Text3);
    connect(Command1, &QPushButton::clicked, this,
            Runtime::EventProcedure([this] { Command1_Click(); }));
}

// Both input boxes behave alike: entered, clicked or confirmed with Enter,
// they select their leading text for overwriting. Enter keeps the focus
// where it is and presses no button.
void Form1::connectEntryBox(EntryBox* box)
{
    using Runtime::EventProcedure;
    connect(box, &EntryBox::gotFocus, this, EventProcedure([box] { SelectEntry(box); }));
    connect(box, &EntryBox::clicked, this, EventProcedure([box] { SelectEntry(box); }));
    connect(box, &EntryBox::enterPressed, this, EventProcedure([box] {
                box->setFocus(Qt::OtherFocusReason);
                SelectEntry(box);
            }));
}

void Form1::Load()
{
    show();
    Text3->setFocus(Qt::OtherFocusReason);
    SelectEntry(Text3);
}

void Form1::paintEvent(QPaintEvent* event)
{
    Runtime::Form::paintEvent(event);
    if (!m_iconSet) {
        m_iconSet = true;
        // Handing the icon to an X11 window manager means decoding and sending
        // every size of it, which took a quarter of the start-up time; nobody
        // misses it for the few milliseconds after the first frame.
        QTimer::singleShot(0, this, [this] { setWindowIcon(applicationIcon()); });
    }
}

void Form1::Command1_Click()
{
    Runtime::End();
}
