// Exact fractions, for the places, lengths and areas of a problem.
#pragma once

#include <cstdint>
#include <numeric>

// A fraction in lowest terms with a positive denominator. The problem's numbers are small (sides
// of at most 30 cm, at most 240 steps), so 64 bits hold every numerator and denominator of its
// arithmetic; each operation cancels common factors before it multiplies.
class Rational
{
public:
    constexpr Rational(std::int64_t whole = 0) : m_num(whole), m_den(1) {}
    constexpr Rational(std::int64_t numerator, std::int64_t denominator)
        : m_num(numerator), m_den(denominator)
    {
        if (m_den < 0) {
            m_num = -m_num;
            m_den = -m_den;
        }
        const std::int64_t common = std::gcd(m_num, m_den);
        if (common > 1) {
            m_num /= common;
            m_den /= common;
        }
    }

    constexpr std::int64_t numerator() const { return m_num; }
    constexpr std::int64_t denominator() const { return m_den; }
    constexpr bool isWhole() const { return m_den == 1; }
    constexpr double toDouble() const { return double(m_num) / double(m_den); }
    // The largest whole number not above it.
    constexpr std::int64_t floor() const
    {
        const std::int64_t quotient = m_num / m_den;
        return quotient * m_den > m_num ? quotient - 1 : quotient;
    }
    constexpr int sign() const { return m_num > 0 ? 1 : m_num < 0 ? -1 : 0; }

    friend constexpr Rational operator+(Rational a, Rational b)
    {
        const std::int64_t common = std::gcd(a.m_den, b.m_den);
        return {a.m_num * (b.m_den / common) + b.m_num * (a.m_den / common),
                a.m_den / common * b.m_den};
    }
    friend constexpr Rational operator-(Rational a) { return {-a.m_num, a.m_den}; }
    friend constexpr Rational operator-(Rational a, Rational b) { return a + -b; }
    friend constexpr Rational operator*(Rational a, Rational b)
    {
        const std::int64_t g1 = std::gcd(a.m_num, b.m_den);
        const std::int64_t g2 = std::gcd(b.m_num, a.m_den);
        const std::int64_t d1 = g1 > 1 ? g1 : 1;
        const std::int64_t d2 = g2 > 1 ? g2 : 1;
        return {(a.m_num / d1) * (b.m_num / d2), (a.m_den / d2) * (b.m_den / d1)};
    }
    // b must not be 0.
    friend constexpr Rational operator/(Rational a, Rational b)
    {
        return a * Rational(b.m_den, b.m_num);
    }
    Rational &operator+=(Rational b) { return *this = *this + b; }
    Rational &operator-=(Rational b) { return *this = *this - b; }

    friend constexpr bool operator==(Rational a, Rational b) = default;
    friend constexpr int compare(Rational a, Rational b) { return (a - b).sign(); }
    friend constexpr bool operator<(Rational a, Rational b) { return compare(a, b) < 0; }
    friend constexpr bool operator<=(Rational a, Rational b) { return compare(a, b) <= 0; }
    friend constexpr bool operator>(Rational a, Rational b) { return compare(a, b) > 0; }
    friend constexpr bool operator>=(Rational a, Rational b) { return compare(a, b) >= 0; }

private:
    std::int64_t m_num;
    std::int64_t m_den;
};

inline constexpr Rational abs(Rational value)
{
    return value.sign() < 0 ? -value : value;
}
