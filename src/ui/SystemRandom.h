#pragma once
#include "ui/RandomSource.h"
#include <random>

// The game's random source, seeded from the clock at start-up.
class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    double Rnd() override;

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_unit{0.0, 1.0};
};
