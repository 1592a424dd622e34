#include "runtime/qt/Form.h"

namespace Runtime {

Form::Form(QWidget* parent)
    : QWidget(parent)
{
}

} // namespace Runtime
