// The program's one random-number generator, seeded from the clock or by the driver.
#include "shell/random.h"

#include <chrono>

namespace orb {

std::mt19937& randomGenerator()
{
    static std::mt19937 generator(static_cast<std::uint32_t>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    return generator;
}

void seedRandom(std::uint32_t seed) { randomGenerator().seed(seed); }

int randomInt(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(randomGenerator());
}

double randomReal() { return std::uniform_real_distribution<double>(0.0, 1.0)(randomGenerator()); }

}  // namespace orb
