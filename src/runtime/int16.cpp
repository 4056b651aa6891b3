#include "runtime/int16.h"

#include "runtime/runtimeerror.h"

#include <limits>

Int16::Int16(int value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(RuntimeError::Overflow);
    m_value = static_cast<std::int16_t>(value);
}
