#include "grid/GridDimension.h"

namespace tessaran {

GridDimension::GridDimension(int defaultValue, int minimum, int limit)
    : m_minimum(minimum), m_limit(limit) {
    m_defaultValue = clamp(defaultValue);
}

int GridDimension::clamp(long long value) const {
    if (value >= m_limit)
        value = static_cast<long long>(m_limit) - 1;
    if (value < m_minimum)
        value = m_minimum;
    return static_cast<int>(value);
}

void GridDimension::setRange(int minimum, int limit) {
    m_minimum = minimum;
    m_limit = limit;
}

void GridDimension::setDefault(int value) {
    m_defaultValue = clamp(value);
    if (m_overridden)
        m_overrideValue = clamp(m_overrideValue);
}

void GridDimension::setOverride(int value) {
    m_overridden = true;
    m_overrideValue = clamp(value);
    m_defaultValue = clamp(m_defaultValue);
}

void GridDimension::adjustOverride(int delta) {
    const long long base = m_overridden ? m_overrideValue : m_defaultValue;
    m_overridden = true;
    m_overrideValue = clamp(base + delta);
    m_defaultValue = clamp(m_defaultValue);
}

void GridDimension::setOverridden(bool overridden) {
    if (overridden && !m_overridden)
        m_overrideValue = m_defaultValue;
    m_overridden = overridden;
    m_defaultValue = clamp(m_defaultValue);
    if (m_overridden)
        m_overrideValue = clamp(m_overrideValue);
}

void GridDimension::commitOverride() {
    if (!m_overridden)
        return;
    m_defaultValue = m_overrideValue;
    m_overridden = false;
}

int GridDimension::scaled(int divisor) const {
    const int v = value();
    if (divisor < 2)
        return v;
    const int quotient = v / divisor;
    return quotient == 0 ? 1 : quotient;
}

}  // namespace tessaran
