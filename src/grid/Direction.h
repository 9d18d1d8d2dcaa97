#pragma once

namespace tessaran {

// Orientation of a light: Across when it runs along a row (stepRow 0), Down otherwise.
// Whether it reads backwards is a separate matter (a negative step).
enum class Direction { Across = 0, Down = 1 };

constexpr Direction directionOfStep(int stepRow) {
    return stepRow == 0 ? Direction::Across : Direction::Down;
}

constexpr Direction otherDirection(Direction d) {
    return d == Direction::Across ? Direction::Down : Direction::Across;
}

// "ACROSS" / "DOWN", and the abbreviations "a" / "d".
constexpr const char* directionName(Direction d) {
    return d == Direction::Across ? "ACROSS" : "DOWN";
}
constexpr const char* directionAbbreviation(Direction d) {
    return d == Direction::Across ? "a" : "d";
}

}  // namespace tessaran
