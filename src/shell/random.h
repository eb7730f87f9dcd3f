// The program's one random-number generator, seeded from the clock or by the driver.
#pragma once

#include <cstdint>
#include <random>

namespace orb {

std::mt19937& randomGenerator();
void seedRandom(std::uint32_t seed);
// A whole number in 0 .. n-1 (0 when n <= 0).
int randomInt(int n);
// A real number in [0, 1).
double randomReal();

}  // namespace orb
