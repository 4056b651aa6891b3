// Exact fractions, for the places, lengths and areas of a problem.
#pragma once

#include <cstdint>

// A fraction in lowest terms with a positive denominator. The problem's numbers are small (sides
// of at most 30 cm, at most 240 steps), so 64 bits hold every numerator and denominator of its
// arithmetic; each operation cancels common factors before it multiplies. The operations are out
// of line: they are many, and the Windows files are kept small.
class Rational
{
public:
    Rational(std::int64_t whole = 0) : m_num(whole), m_den(1) {}
    // denominator must not be 0.
    Rational(std::int64_t numerator, std::int64_t denominator);

    std::int64_t numerator() const { return m_num; }
    std::int64_t denominator() const { return m_den; }
    bool isWhole() const { return m_den == 1; }
    double toDouble() const { return double(m_num) / double(m_den); }
    // The largest whole number not above it.
    std::int64_t floor() const;
    int sign() const { return m_num > 0 ? 1 : m_num < 0 ? -1 : 0; }

    friend Rational operator+(Rational a, Rational b);
    friend Rational operator-(Rational a) { return Rational(-a.m_num, a.m_den, Reduced{}); }
    friend Rational operator-(Rational a, Rational b) { return a + -b; }
    friend Rational operator*(Rational a, Rational b);
    // b must not be 0.
    friend Rational operator/(Rational a, Rational b);
    Rational &operator+=(Rational b) { return *this = *this + b; }
    Rational &operator-=(Rational b) { return *this = *this - b; }

    friend bool operator==(Rational a, Rational b) = default;
    friend int compare(Rational a, Rational b);
    friend bool operator<(Rational a, Rational b) { return compare(a, b) < 0; }
    friend bool operator<=(Rational a, Rational b) { return compare(a, b) <= 0; }
    friend bool operator>(Rational a, Rational b) { return compare(a, b) > 0; }
    friend bool operator>=(Rational a, Rational b) { return compare(a, b) >= 0; }

private:
    struct Reduced
    {
    };
    Rational(std::int64_t numerator, std::int64_t denominator, Reduced)
        : m_num(numerator), m_den(denominator)
    {}

    std::int64_t m_num;
    std::int64_t m_den;
};

inline Rational abs(Rational value)
{
    return value.sign() < 0 ? -value : value;
}
