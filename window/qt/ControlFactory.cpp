#include "window/qt/ControlFactory.h"

#include "runtime/qt/QtNumbers.h"
#include "window/qt/EntryBox.h"
#include "window/qt/LineFrame.h"
#include "window/qt/ResultBox.h"
#include "ZandrelVersion.h"

#include <QLabel>
#include <QPushButton>

QWidget* MakeControl(const Controls::Control& design, QWidget* parent)
{
    using Controls::Kind;
    QWidget* control = nullptr;
    const QString caption = Runtime::ToQString(design.caption);
    switch (design.kind) {
    case Kind::Input:
    case Kind::Result: {
        QLineEdit* box = design.kind == Kind::Input ? static_cast<QLineEdit*>(new EntryBox(parent))
                                                    : new ResultBox(parent);
        box->setText(caption);
        control = box;
        break;
    }
    case Kind::Label: {
        auto* label = new QLabel(parent);
        label->setText(caption);
        label->setTextFormat(Qt::PlainText);
        control = label;
        break;
    }
    case Kind::Line:
        control = new LineFrame(parent);
        break;
    case Kind::Button: {
        auto* button = new QPushButton(parent);
        button->setText(caption);
        // Neither the default nor an auto-default button: what Enter does is
        // the window's behaviour.
        button->setAutoDefault(false);
        button->setDefault(false);
        control = button;
        break;
    }
    }
    control->setObjectName(
        QLatin1StringView(design.name.data(), static_cast<qsizetype>(design.name.size())));
    return control;
}

QIcon ApplicationIcon()
{
    // The theme's icon when the desktop entry is installed, ours otherwise.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/zandrel-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QString::fromLatin1(ZandrelAppId), icon);
}
