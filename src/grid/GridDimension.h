#pragma once

namespace tessaran {

// A bounded integer setting with a program-wide default and an optional per-grid
// override. The ten grid settings and the eighteen display dimensions are all of this
// type. Only overridden values belong to a grid (and are saved with it); everything else
// follows the program settings wherever the grid is opened.
//
// Both values are clamped into [minimum, limit - 1] whenever they change: the override
// only while it is in force. setRange alone does not clamp.
class GridDimension {
public:
    // minimum -30000, limit 30000, default 0, not overridden.
    GridDimension() = default;
    // Not overridden; the default is clamped into the range.
    GridDimension(int defaultValue, int minimum, int limit);

    // Replaces the range only; values are clamped at their next change.
    void setRange(int minimum, int limit);
    int minimum() const { return m_minimum; }
    int limit() const { return m_limit; }

    void setDefault(int value);
    int defaultValue() const { return m_defaultValue; }

    // Stores the override and puts it in force.
    void setOverride(int value);
    // Puts an override in force that is delta away from the current effective value.
    void adjustOverride(int delta);
    // Turning the override on copies the default into it first; turning it off keeps the
    // stored override value (it is no longer in force).
    void setOverridden(bool overridden);
    bool isOverridden() const { return m_overridden; }
    // The stored override, whether or not it is in force.
    int overrideValue() const { return m_overrideValue; }
    // An override in force becomes the default and stops being an override.
    void commitOverride();

    // The override when in force, else the default.
    int value() const { return m_overridden ? m_overrideValue : m_defaultValue; }

    // The effective value divided by divisor, truncated toward zero, for drawing on a
    // raster device. A divisor below 2 leaves the value unchanged; a quotient of 0 becomes
    // 1 so that thin lines never vanish.
    int scaled(int divisor) const;

private:
    int clamp(long long value) const;

    int m_minimum = -30000;
    int m_limit = 30000;
    int m_defaultValue = 0;
    int m_overrideValue = 0;
    bool m_overridden = false;
};

}  // namespace tessaran
