#pragma once

#include <cmath>
#include <cstdint>

// Small pseudo-random generator (SplitMix64). Written out here instead of using <random> so
// that the picture comes out byte-for-byte identical with every compiler and library version.
class Prng {
public:
    explicit Prng(std::uint64_t seed)
        : state_(seed) {}

    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ull;
        return mix(state_);
    }

    // Uniform in [0, 1), from the top 53 bits.
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }

    // Roughly normal with unit variance: the sum of four uniforms is close enough for grain and
    // needs no library maths.
    double normal() {
        const double sum = uniform() + uniform() + uniform() + uniform();
        return (sum - 2.0) * 1.7320508075688772;
    }

    static std::uint64_t mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};

// Value in [-1, 1) that depends only on the position, for textures that must not change when
// drawing order changes.
inline double positionNoise(int x, int y, std::uint64_t salt) {
    const std::uint64_t key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) ^
                              static_cast<std::uint32_t>(y) ^ (salt * 0xD6E8FEB86659FD93ull);
    return static_cast<double>(Prng::mix(key) >> 11) * 0x1.0p-52 - 1.0;
}

// Smooth value noise in [-1, 1): random values on a grid of `cell`-sized squares, blended
// bilinearly, for large soft blotches such as uneven coating.
inline double smoothNoise(double x, double y, double cell, std::uint64_t salt) {
    const double gx = x / cell, gy = y / cell;
    const int ix = static_cast<int>(std::floor(gx)), iy = static_cast<int>(std::floor(gy));
    const double fx = gx - ix, fy = gy - iy;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double top =
        positionNoise(ix, iy, salt) * (1 - sx) + positionNoise(ix + 1, iy, salt) * sx;
    const double bottom =
        positionNoise(ix, iy + 1, salt) * (1 - sx) + positionNoise(ix + 1, iy + 1, salt) * sx;
    return top * (1 - sy) + bottom * sy;
}
