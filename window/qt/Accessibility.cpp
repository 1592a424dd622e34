#include "window/qt/Accessibility.h"

#include "window/qt/AccessibleTextBox.h"
#include "window/qt/EntryBox.h"
#include "window/qt/Form1.h"
#include "window/qt/ResultBox.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QAccessibleInterface* controlInterface(const QString& /*className*/, QObject* object)
{
    // A plain top-level QWidget would be a "filler", which a reader does
    // not announce when the window is activated.
    if (auto* form = qobject_cast<Form1*>(object)) {
        return new QAccessibleWidget(form, QAccessible::Window);
    }
    if (qobject_cast<EntryBox*>(object) || qobject_cast<ResultBox*>(object)) {
        return new AccessibleTextBox(static_cast<QLineEdit*>(object));
    }
    // Qt presents a QFrame as a "frame", the role of a top-level window.
    auto* frame = qobject_cast<QFrame*>(object);
    if (frame && frame->frameShape() == QFrame::HLine && qobject_cast<Form1*>(frame->parent())) {
        return new QAccessibleWidget(frame, QAccessible::Separator);
    }
    return nullptr;
}

QString tr(const char* text)
{
    return QCoreApplication::translate("Form1", text);
}

template <typename Control>
Control* control(QWidget* form, const char* name)
{
    return form->findChild<Control*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void describeBox(QWidget* form, const char* box, const char* label, const QString& name,
                 const QString& description)
{
    QWidget* widget = control<QWidget>(form, box);
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
    control<QLabel>(form, label)->setBuddy(widget);
}

} // namespace

void DescribeControls(QWidget* form)
{
    describeBox(form, "Text1", "Label1", tr("Millimetres"),
                tr("Type a length in millimetres. It is converted to mils as you type; "
                   "the result is in the next box (Tab) and is copied to the clipboard."));
    describeBox(form, "Text2", "Label2", tr("Mils result"),
                tr("The length typed in millimetres, in mils, with two decimals. "
                   "The same number is on the clipboard."));
    describeBox(form, "Text3", "Label4", tr("Mils"),
                tr("Type a length in mils. It is converted to millimetres as you type; "
                   "the result is in the next box (Tab) and is copied to the clipboard."));
    describeBox(form, "Text4", "Label5", tr("Millimetres result"),
                tr("The length typed in mils, in millimetres, with three decimals. "
                   "The same number is on the clipboard."));
    auto* exit = control<QPushButton>(form, "Command1");
    exit->setAccessibleName(tr("Exit"));
    exit->setAccessibleDescription(
        tr("Ends Zandrel; the last result stays on the clipboard. Its caption, 離開, "
           "means leave."));
}

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
