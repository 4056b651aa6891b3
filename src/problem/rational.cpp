#include "problem/rational.h"

#include <algorithm>
#include <numeric>

Rational::Rational(std::int64_t numerator, std::int64_t denominator)
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

std::int64_t Rational::floor() const
{
    const std::int64_t quotient = m_num / m_den;
    return quotient * m_den > m_num ? quotient - 1 : quotient;
}

Rational operator+(Rational a, Rational b)
{
    const std::int64_t common = std::gcd(a.m_den, b.m_den);
    return {a.m_num * (b.m_den / common) + b.m_num * (a.m_den / common),
            a.m_den / common * b.m_den};
}

Rational operator*(Rational a, Rational b)
{
    const std::int64_t g1 = std::max<std::int64_t>(std::gcd(a.m_num, b.m_den), 1);
    const std::int64_t g2 = std::max<std::int64_t>(std::gcd(b.m_num, a.m_den), 1);
    return {(a.m_num / g1) * (b.m_num / g2), (a.m_den / g2) * (b.m_den / g1)};
}

Rational operator/(Rational a, Rational b)
{
    return a * Rational(b.m_den, b.m_num);
}

int compare(Rational a, Rational b)
{
    return (a - b).sign();
}
