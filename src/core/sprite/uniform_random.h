#pragma once

#include <cstdint>
#include <random>

namespace tav {

// A uniform generator of numbers in [0, 1). It starts from a fixed value and
// the program never reseeds it, so every run draws the same sequence.
class UniformRandom {
public:
    static constexpr std::uint32_t kStartValue = 5489u;

    explicit UniformRandom(std::uint32_t start = kStartValue)
        : m_engine(start)
    {
    }

    // The next number, 0 <= r < 1, with 53 random bits.
    double next();

private:
    std::mt19937 m_engine;
};

// The program's one generator.
UniformRandom &programRandom();

} // namespace tav
