#include "runtime/numbers/RuntimeError.h"

namespace Runtime {

RuntimeError::RuntimeError(int number, const QString& text)
    : std::runtime_error(text.toStdString())
    , m_number(number)
    , m_text(text)
{
}

} // namespace Runtime
