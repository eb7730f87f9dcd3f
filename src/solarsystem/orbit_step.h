// One step of a body's motion about a fixed centre of attraction, as the Kepler windows and the
// angular-momentum window integrate it: semi-implicit Euler, in extended precision, stored in single.
#pragma once

namespace orbit {

// Position and velocity, in pixels and pixels per step, stored in single precision.
struct Body {
    float x = 0.0f;
    float y = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
};

// Which way vy counts: along y (Down), or against it (Up: the velocity's y sign is the reverse
// of the position's, while the motion is still an attraction toward (0, 0)).
enum class VyAxis { Down, Up };

// Moves `body` one step under an attraction of strength `attraction` toward (0, 0): the new
// velocity first, then the new position from it, taken `positionStep` times the new velocity.
void step(Body& body, long double attraction, long double positionStep, VyAxis axis = VyAxis::Down);

// The stored cube of the distance from (0, 0), sqrt(r2 r2 r2) with r2 = x^2 + y^2, each in single.
float distanceCubed(float x, float y);

}  // namespace orbit
