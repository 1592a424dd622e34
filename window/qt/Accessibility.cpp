#include "window/qt/Accessibility.h"

#include "window/Controls.h"
#include "window/qt/AccessibleTextBox.h"
#include "window/qt/EntryBox.h"
#include "window/qt/Form1.h"
#include "window/qt/LineFrame.h"
#include "window/qt/ResultBox.h"
#include "window/Texts.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>

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
    if (auto* line = qobject_cast<LineFrame*>(object)) {
        return new QAccessibleWidget(line, QAccessible::Separator);
    }
    return nullptr;
}

QString text(Texts::Id id)
{
    return QCoreApplication::translate(Texts::Context, Texts::English(id));
}

QWidget* control(QWidget* form, std::string_view name)
{
    return form->findChild<QWidget*>(
        QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())),
        Qt::FindDirectChildrenOnly);
}

} // namespace

// Each box and the button by name and description; a box is also named by
// the label that stands for it.
void DescribeControls(QWidget* form)
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Controls::Control& design = Controls::Table[i];
        if (design.accessibleName == Controls::NoText) {
            continue;
        }
        QWidget* widget = control(form, design.name);
        widget->setAccessibleName(text(design.accessibleName));
        widget->setAccessibleDescription(text(design.accessibleDescription));
        if (const std::size_t unit = Controls::UnitOf(i); unit != Controls::Count) {
            static_cast<QLabel*>(control(form, Controls::Table[unit].name))->setBuddy(widget);
        }
    }
}

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
