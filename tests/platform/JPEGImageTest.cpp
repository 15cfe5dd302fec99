#include "JPEGImage.h"
#include "Exception.h"
#include "JpegFixture.h"
#include "Picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

// Smooth shades with a sharp edge, in a size that is not a multiple of the
// 8 x 8 blocks, so that every step of the decoder matters.
TRgb Shade(int x, int y) {
    if (x > 30 && y > 20)
        return {20, 200, 40};
    return {std::uint8_t(x * 5), std::uint8_t(y * 7), std::uint8_t(255 - x * 3)};
}

void ExpectSamePixels(const TJPEGImage& image, const TDecodedJpeg& reference) {
    ASSERT_EQ(image.Width(), reference.Width);
    ASSERT_EQ(image.Height(), reference.Height);
    for (int y = 0; y < reference.Height; ++y)
        for (int x = 0; x < reference.Width; ++x) {
            TRgb c = reference.At(x, y);
            ASSERT_EQ(image.Bitmap().Pixel(x, y), RGB(c.R, c.G, c.B)) << x << ", " << y;
        }
}

TEST(JPEGImageTest, DecodesExactlyAsLibjpegDoes) {
    for (bool progressive : {false, true}) {
        TBytes jpeg = EncodeJpeg(45, 37, Shade, progressive);
        TJPEGImage image;
        image.LoadFromData(jpeg.data(), jpeg.size());
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        ExpectSamePixels(image, DecodeJpeg(jpeg));
    }
}

TEST(JPEGImageTest, StoredDataGivesAPictureOfTheRightClass) {
    TBytes jpeg = EncodeJpeg(45, 37, Shade);
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    picture.LoadFromStoredData(StoredJpegData(jpeg));
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(changes, 1);
    ExpectSamePixels(static_cast<const TJPEGImage&>(*picture.Graphic()), DecodeJpeg(jpeg));
}

// The offset of the first byte after a marker's two bytes.
std::size_t AfterMarker(const TBytes& jpeg, std::uint8_t marker) {
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker)
            return i + 2;
    throw std::runtime_error("marker not found");
}

TEST(JPEGImageTest, BadDataRaisesEInvalidGraphicWithLibjpegsMessage) {
    const TBytes good = EncodeJpeg(45, 37, Shade);
    TBytes truncated(good.begin(), good.begin() + std::ptrdiff_t(good.size() / 2));
    TBytes twelveBit = good;
    twelveBit[AfterMarker(good, 0xC0) + 2] = 12; // the frame's sample precision
    TBytes unknownTable = good;
    unknownTable[AfterMarker(good, 0xDA) + 4] = 0x33; // the scan's first table numbers
    const TBytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};

    struct Case {
        const char* What;
        TBytes Data;
        const char* Message;
    };
    const Case cases[] = {
        {"truncated", truncated, "Premature end of JPEG file"},
        {"twelve-bit samples", twelveBit, "Unsupported JPEG data precision 12"},
        {"missing Huffman table", unknownTable, "Huffman table 0x03 was not defined"},
        {"not a JPEG", gif, "Not a JPEG file: starts with 0x47 0x49"},
        {"empty", {}, "empty"},
    };
    for (const Case& c : cases) {
        TJPEGImage image;
        try {
            image.LoadFromData(c.Data.data(), c.Data.size());
            ADD_FAILURE() << c.What << ": no error";
        } catch (const EInvalidGraphic& error) {
            EXPECT_NE(String(error.what()).find(c.Message), String::npos)
                << c.What << ": " << error.what();
        }
    }
    // The process goes on decoding as before.
    TJPEGImage image;
    image.LoadFromData(good.data(), good.size());
    ExpectSamePixels(image, DecodeJpeg(good));
}

TEST(JPEGImageTest, StoredDataThatDoesNotHoldTogetherIsRefused) {
    const TBytes jpeg = EncodeJpeg(16, 16, Shade);
    TBytes longer = StoredJpegData(jpeg);
    longer.push_back(0);
    TBytes shorter = StoredJpegData(jpeg);
    shorter.pop_back();
    TBytes unknownClass = StoredJpegData(jpeg);
    std::copy_n("TPNGImage!", 10, unknownClass.begin() + 1);
    const TBytes cutName = {10, 'T', 'J', 'P', 'E', 'G'};

    struct Case {
        const char* What;
        TBytes Data;
        const char* Message;
    };
    const Case cases[] = {
        {"one byte more than the length says", longer, "length"},
        {"one byte less than the length says", shorter, "length"},
        {"unknown graphic class", unknownClass, "TPNGImage!"},
        {"class name cut short", cutName, "name"},
        {"nothing at all", {}, "name"},
    };
    for (const Case& c : cases) {
        TPicture picture;
        try {
            picture.LoadFromStoredData(c.Data);
            ADD_FAILURE() << c.What << ": no error";
        } catch (const EInvalidGraphic& error) {
            EXPECT_NE(String(error.what()).find(c.Message), String::npos)
                << c.What << ": " << error.what();
        }
        EXPECT_EQ(picture.Graphic(), nullptr) << c.What;
    }
}

} // namespace
