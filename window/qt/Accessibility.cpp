#include "window/qt/Accessibility.h"

#include "window/qt/AccessibleTextBox.h"
#include "window/qt/EntryBox.h"
#include "window/qt/Form1.h"
#include "window/qt/ResultBox.h"
#include "window/Texts.h"

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

QString text(Texts::Id id)
{
    return QCoreApplication::translate(Texts::Context, Texts::English(id));
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
    using namespace Texts;
    describeBox(form, "Text1", "Label1", text(Text1Name), text(Text1Description));
    describeBox(form, "Text2", "Label2", text(Text2Name), text(Text2Description));
    describeBox(form, "Text3", "Label4", text(Text3Name), text(Text3Description));
    describeBox(form, "Text4", "Label5", text(Text4Name), text(Text4Description));
    auto* exit = control<QPushButton>(form, "Command1");
    exit->setAccessibleName(text(Command1Name));
    exit->setAccessibleDescription(text(Command1Description));
}

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
