#include "runtime/numbers/RuntimeError.h"

namespace Runtime {

RuntimeError::RuntimeError(int number, const std::string& text)
    : std::runtime_error(text)
    , m_number(number)
{
}

} // namespace Runtime
