#include "icc_profile.h"

#include <array>
#include <cmath>
#include <string_view>

namespace {

struct Xyz {
    double x, y, z;
};

// D50 is the reference white of the profile connection space.
constexpr Xyz kD50{0.9642, 1.0, 0.8249};
// sRGB primaries after Bradford adaptation from D65 to D50; together they add up to D50.
constexpr Xyz kRedColorant{0.4360747, 0.2225045, 0.0139322};
constexpr Xyz kGreenColorant{0.3850649, 0.7168786, 0.0971045};
constexpr Xyz kBlueColorant{0.1430804, 0.0606169, 0.7141733};
constexpr int kToneCurveEntries = 1024;
constexpr std::size_t kHeaderSize = 128;

// Appends big-endian values, the byte order of every ICC field.
class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v) {
        u8(std::uint8_t(v >> 8));
        u8(std::uint8_t(v));
    }
    void u32(std::uint32_t v) {
        u16(std::uint16_t(v >> 16));
        u16(std::uint16_t(v));
    }
    void s15Fixed16(double v) { u32(std::uint32_t(std::int32_t(std::lround(v * 65536.0)))); }
    void signature(std::string_view fourChars) {
        for (char c : fourChars)
            u8(std::uint8_t(c));
    }
    void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void asciiWithTerminator(std::string_view text) {
        for (char c : text)
            u8(std::uint8_t(c));
        u8(0);
    }
    void append(const std::vector<std::uint8_t>& more) {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
    }
    void padToFourBytes() { zeros((4 - bytes_.size() % 4) % 4); }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> textDescriptionTag(std::string_view text) {
    ByteWriter w;
    w.signature("desc");
    w.zeros(4);
    w.u32(std::uint32_t(text.size() + 1));
    w.asciiWithTerminator(text);
    w.u32(0);    // Unicode language code: no Unicode description.
    w.u32(0);    // Unicode character count.
    w.u16(0);    // ScriptCode code: no Macintosh description...
    w.u8(0);     // ...of zero characters...
    w.zeros(67); // ...in its fixed-size field.
    return w.take();
}

std::vector<std::uint8_t> textTag(std::string_view text) {
    ByteWriter w;
    w.signature("text");
    w.zeros(4);
    w.asciiWithTerminator(text);
    return w.take();
}

std::vector<std::uint8_t> xyzTag(const Xyz& value) {
    ByteWriter w;
    w.signature("XYZ ");
    w.zeros(4);
    w.s15Fixed16(value.x);
    w.s15Fixed16(value.y);
    w.s15Fixed16(value.z);
    return w.take();
}

double srgbToLinear(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// The sRGB tone curve sampled as a table; a plain gamma value would miss the linear toe.
std::vector<std::uint8_t> srgbToneCurveTag() {
    ByteWriter w;
    w.signature("curv");
    w.zeros(4);
    w.u32(kToneCurveEntries);
    for (int i = 0; i < kToneCurveEntries; ++i) {
        const double linear = srgbToLinear(double(i) / (kToneCurveEntries - 1));
        w.u16(std::uint16_t(std::lround(linear * 65535.0)));
    }
    return w.take();
}

void writeHeader(ByteWriter& w, std::uint32_t profileSize) {
    w.u32(profileSize);
    w.u32(0);            // Preferred colour management module: none.
    w.u32(0x02100000);   // Version 2.1.
    w.signature("mntr"); // Display device profile.
    w.signature("RGB "); // Data colour space.
    w.signature("XYZ "); // Profile connection space.
    for (std::uint16_t field : {2024, 1, 1, 0, 0, 0})
        w.u16(field); // Fixed creation date keeps the output reproducible.
    w.signature("acsp");
    w.zeros(4 + 4 + 4 + 4 + 8); // Platform, flags, device maker, model, attributes.
    w.u32(0);                   // Perceptual rendering intent.
    w.s15Fixed16(kD50.x);
    w.s15Fixed16(kD50.y);
    w.s15Fixed16(kD50.z);
    w.zeros(4); // Creator.
    w.zeros(kHeaderSize - w.size());
}

} // namespace

std::vector<std::uint8_t> buildSrgbIccProfile() {
    enum Blob { Description, Copyright, WhitePoint, Red, Green, Blue, ToneCurve, BlobCount };
    const std::array<std::vector<std::uint8_t>, BlobCount> blobs = {
        textDescriptionTag("sRGB"),
        textTag("No copyright, use freely"),
        xyzTag(kD50),
        xyzTag(kRedColorant),
        xyzTag(kGreenColorant),
        xyzTag(kBlueColorant),
        srgbToneCurveTag(),
    };
    struct TagEntry {
        std::string_view signature;
        Blob blob;
    };
    // The three channels share one tone curve, so its data is stored only once.
    constexpr std::array<TagEntry, 9> tags = {{{"desc", Description},
                                               {"cprt", Copyright},
                                               {"wtpt", WhitePoint},
                                               {"rXYZ", Red},
                                               {"gXYZ", Green},
                                               {"bXYZ", Blue},
                                               {"rTRC", ToneCurve},
                                               {"gTRC", ToneCurve},
                                               {"bTRC", ToneCurve}}};

    std::array<std::uint32_t, BlobCount> offsets{};
    std::size_t end = kHeaderSize + 4 + 12 * tags.size();
    for (std::size_t i = 0; i < blobs.size(); ++i) {
        offsets[i] = std::uint32_t(end);
        end += (blobs[i].size() + 3) / 4 * 4;
    }

    ByteWriter w;
    writeHeader(w, std::uint32_t(end));
    w.u32(std::uint32_t(tags.size()));
    for (const TagEntry& tag : tags) {
        w.signature(tag.signature);
        w.u32(offsets[tag.blob]);
        w.u32(std::uint32_t(blobs[tag.blob].size()));
    }
    for (const auto& blob : blobs) {
        w.append(blob);
        w.padToFourBytes();
    }
    return w.take();
}
