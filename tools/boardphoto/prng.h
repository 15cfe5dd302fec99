#pragma once

#include <cmath>
#include <cstdint>

// SplitMix64, written out instead of using <random> so that the picture is byte-for-byte the
// same with every compiler and library version.
class Prng {
public:
    explicit Prng(std::uint64_t seed)
        : state_(seed) {}

    static std::uint64_t mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t next() { return mix(state_ += 0x9E3779B97F4A7C15ull); }
    // Uniform in [low, high), from the top 53 bits.
    double uniform(double low = 0, double high = 1) {
        return low + (high - low) * static_cast<double>(next() >> 11) * 0x1.0p-53;
    }
    // Close enough to a unit normal for film grain, and needs no library maths.
    double normal() {
        return (uniform() + uniform() + uniform() + uniform() - 2.0) * std::sqrt(3.0);
    }

private:
    std::uint64_t state_;
};

// Value in [-1, 1) that depends only on the grid position, so textures do not change when the
// drawing order does.
inline double positionNoise(int x, int y, std::uint64_t salt) {
    const std::uint64_t key = (std::uint64_t(std::uint32_t(x)) << 32) ^ std::uint32_t(y);
    return static_cast<double>(Prng::mix(key ^ (salt * 0xD6E8FEB86659FD93ull)) >> 11) * 0x1.0p-52 -
           1.0;
}

// Smooth blotches of about `cell` pixels: grid noise blended bilinearly.
inline double smoothNoise(double x, double y, double cell, std::uint64_t salt) {
    const double gx = x / cell, gy = y / cell;
    const int ix = int(std::floor(gx)), iy = int(std::floor(gy));
    const auto ease = [](double f) { return f * f * (3 - 2 * f); };
    const double sx = ease(gx - ix), sy = ease(gy - iy);
    const auto row = [&](int j) {
        return positionNoise(ix, j, salt) * (1 - sx) + positionNoise(ix + 1, j, salt) * sx;
    };
    return row(iy) * (1 - sy) + row(iy + 1) * sy;
}
