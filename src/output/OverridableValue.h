#pragma once
// A colour or font setting: a program default and an optional per-grid override, chosen
// the way GridDimension chooses (no range to clamp to).

#include <utility>

namespace tessaran {

template <typename T>
class OverridableValue {
public:
    OverridableValue() = default;
    explicit OverridableValue(T defaultValue) : m_default(defaultValue), m_override(defaultValue) {}

    const T& value() const { return m_overridden ? m_override : m_default; }
    const T& defaultValue() const { return m_default; }
    void setDefault(T value) { m_default = std::move(value); }
    void setOverride(T value) {
        m_override = std::move(value);
        m_overridden = true;
    }
    // Turning the override on starts it from the default; turning it off keeps the stored
    // override out of force.
    void setOverridden(bool overridden) {
        if (overridden && !m_overridden)
            m_override = m_default;
        m_overridden = overridden;
    }
    bool isOverridden() const { return m_overridden; }
    // An override in force becomes the default ("Save As Defaults").
    void commitOverride() {
        if (!m_overridden)
            return;
        m_default = m_override;
        m_overridden = false;
    }

private:
    T m_default{};
    T m_override{};
    bool m_overridden = false;
};

}  // namespace tessaran
