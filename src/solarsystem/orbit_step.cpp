// One integration step of a planet about a centre of attraction, shared by the Kepler windows.
#include "solarsystem/orbit_step.h"

#include <cmath>

namespace orbit {

float distanceCubed(float x, float y)
{
    // r2 = x^2 + y^2 and r3 = sqrt(r2 r2 r2), each rounded to single as it is stored.
    const long double lx = x;
    const long double ly = y;
    const float r2 = static_cast<float>(lx * lx + ly * ly);
    const long double r = r2;
    return static_cast<float>(std::sqrt(r * r * r));
}

void step(Body& body, long double attraction, long double positionStep, VyAxis axis)
{
    const float r3 = distanceCubed(body.x, body.y);
    const long double x = body.x;
    const long double y = body.y;
    // Down: vx' = vx - K x / r3, vy' = vy - K y / r3; x' = x + h vx', y' = y + h vy'.
    // Up:   vx' = vx - K x / r3, vy' = vy + K y / r3; x' = x + h vx', y' = y - h vy'.
    const float vx = static_cast<float>(body.vx - attraction * x / r3);
    float vy;
    float ny;
    if (axis == VyAxis::Down) {
        vy = static_cast<float>(body.vy - attraction * y / r3);
        ny = static_cast<float>(y + positionStep * vy);
    } else {
        vy = static_cast<float>(body.vy + attraction * y / r3);
        ny = static_cast<float>(y - positionStep * vy);
    }
    const float nx = static_cast<float>(x + positionStep * vx);
    // The new values become the old ones.
    body.vx = vx;
    body.vy = vy;
    body.x = nx;
    body.y = ny;
}

}  // namespace orbit
