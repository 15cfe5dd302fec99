#include "icc_profile.h"

#include <array>
#include <cmath>
#include <string_view>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Xyz {
    double x, y, z;
};
// Reference white of the profile connection space.
constexpr Xyz kD50{0.9642, 1.0, 0.8249};
// sRGB red, green and blue after Bradford adaptation from D65 to D50; they add up to D50.
constexpr Xyz kColorants[] = {{0.4360747, 0.2225045, 0.0139322},
                              {0.3850649, 0.7168786, 0.0971045},
                              {0.1430804, 0.0606169, 0.7141733}};
constexpr int kToneCurveEntries = 1024;
constexpr std::size_t kHeaderSize = 128;

// All ICC numbers are big-endian.
void putU32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(v >> shift));
}
void putU16(Bytes& out, std::uint16_t v) {
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}
void putChars(Bytes& out, std::string_view text) {
    for (char c : text)
        out.push_back(std::uint8_t(c));
}
void putXyz(Bytes& out, const Xyz& v) {
    for (double component : {v.x, v.y, v.z})
        putU32(out, std::uint32_t(std::int32_t(std::lround(component * 65536.0)))); // s15.16
}

// Every tag starts with its type signature and four reserved bytes.
Bytes startTag(std::string_view type) {
    Bytes out;
    putChars(out, type);
    putU32(out, 0);
    return out;
}

Bytes descriptionTag(std::string_view text) {
    Bytes out = startTag("desc");
    putU32(out, std::uint32_t(text.size() + 1));
    putChars(out, text);
    // Terminator, then empty Unicode and Macintosh variants: language code and length,
    // script code and length, and the fixed 67-byte script text field.
    out.resize(out.size() + 1 + 8 + 3 + 67, 0);
    return out;
}

Bytes textTag(std::string_view text) {
    Bytes out = startTag("text");
    putChars(out, text);
    out.push_back(0);
    return out;
}

Bytes xyzTag(const Xyz& value) {
    Bytes out = startTag("XYZ ");
    putXyz(out, value);
    return out;
}

// The sRGB tone curve as a table: a single gamma value would miss its linear toe.
Bytes srgbToneCurveTag() {
    Bytes out = startTag("curv");
    putU32(out, kToneCurveEntries);
    for (int i = 0; i < kToneCurveEntries; ++i) {
        const double v = double(i) / (kToneCurveEntries - 1);
        const double linear = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        putU16(out, std::uint16_t(std::lround(linear * 65535.0)));
    }
    return out;
}

void putHeader(Bytes& out, std::uint32_t profileSize) {
    putU32(out, profileSize);
    putU32(out, 0);                // No preferred colour management module.
    putU32(out, 0x02100000);       // Version 2.1.
    putChars(out, "mntrRGB XYZ "); // Display device, RGB data, XYZ connection space.
    for (std::uint16_t field : {2024, 1, 1, 0, 0, 0})
        putU16(out, field); // A fixed creation date keeps the output reproducible.
    putChars(out, "acsp");
    // Platform, flags, maker, model, 8 bytes of attributes and the rendering intent (0 is
    // perceptual): all zero.
    out.resize(out.size() + 4 * 4 + 8 + 4, 0);
    putXyz(out, kD50);
    out.resize(kHeaderSize, 0); // Creator and reserved bytes.
}

} // namespace

std::vector<std::uint8_t> buildSrgbIccProfile() {
    const Bytes tagData[] = {descriptionTag("sRGB"), textTag("No copyright, use freely"),
                             xyzTag(kD50),           xyzTag(kColorants[0]),
                             xyzTag(kColorants[1]),  xyzTag(kColorants[2]),
                             srgbToneCurveTag()};
    // Signature and index into tagData; the three channels share one tone curve.
    constexpr std::array<std::pair<std::string_view, int>, 9> tags = {{{"desc", 0},
                                                                       {"cprt", 1},
                                                                       {"wtpt", 2},
                                                                       {"rXYZ", 3},
                                                                       {"gXYZ", 4},
                                                                       {"bXYZ", 5},
                                                                       {"rTRC", 6},
                                                                       {"gTRC", 6},
                                                                       {"bTRC", 6}}};

    std::array<std::uint32_t, std::size(tagData)> offsets{};
    std::size_t end = kHeaderSize + 4 + 12 * tags.size();
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        offsets[i] = std::uint32_t(end);
        end += (tagData[i].size() + 3) / 4 * 4; // Tags start on four-byte boundaries.
    }

    Bytes profile;
    putHeader(profile, std::uint32_t(end));
    putU32(profile, std::uint32_t(tags.size()));
    for (const auto& [signature, index] : tags) {
        putChars(profile, signature);
        putU32(profile, offsets[index]);
        putU32(profile, std::uint32_t(tagData[index].size()));
    }
    for (const Bytes& data : tagData) {
        profile.insert(profile.end(), data.begin(), data.end());
        profile.resize((profile.size() + 3) / 4 * 4, 0);
    }
    return profile;
}
