// A 16-bit signed integer whose arithmetic stops with an error on overflow.
#pragma once

#include <cstdint>

// The window's integers and everything computed from them are 16-bit: a result that does not
// fit is an overflow error, never a silent wrap.
class Int16
{
public:
    // Implicit, so that literals mix into the arithmetic.
    Int16(int value = 0);

    std::int16_t value() const { return m_value; }
    float toSingle() const { return m_value; }

    friend Int16 operator+(Int16 a, Int16 b) { return Int16(a.m_value + b.m_value); }
    friend Int16 operator-(Int16 a, Int16 b) { return Int16(a.m_value - b.m_value); }
    friend Int16 operator*(Int16 a, Int16 b) { return Int16(a.m_value * b.m_value); }
    friend bool operator==(Int16 a, Int16 b) = default;
    friend bool operator<(Int16 a, Int16 b) { return a.m_value < b.m_value; }
    friend bool operator<=(Int16 a, Int16 b) { return a.m_value <= b.m_value; }
    friend bool operator>(Int16 a, Int16 b) { return a.m_value > b.m_value; }
    friend bool operator>=(Int16 a, Int16 b) { return a.m_value >= b.m_value; }

private:
    std::int16_t m_value;
};
