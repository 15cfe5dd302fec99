#include "DescriptionParser.h"
#include "JpegFixture.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstring>

#include <jpeglib.h>

namespace {

struct TJpegFacts {
    int Width = 0;
    int Height = 0;
    int Components = 0;
    int Precision = 0;
    bool Progressive = false;
    bool Jfif = false;
    std::vector<std::uint8_t> IccProfile;
};

TJpegFacts ReadFacts(const std::vector<std::uint8_t>& jpeg) {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 2, 0xFFFF); // where the ICC profile lives
    jpeg_read_header(&cinfo, TRUE);
    TJpegFacts facts;
    facts.Width = int(cinfo.image_width);
    facts.Height = int(cinfo.image_height);
    facts.Components = cinfo.num_components;
    facts.Precision = cinfo.data_precision;
    facts.Progressive = cinfo.progressive_mode;
    facts.Jfif = cinfo.saw_JFIF_marker;
    JOCTET* icc = nullptr;
    unsigned int iccSize = 0;
    if (jpeg_read_icc_profile(&cinfo, &icc, &iccSize)) {
        facts.IccProfile.assign(icc, icc + iccSize);
        std::free(icc);
    }
    jpeg_destroy_decompress(&cinfo);
    return facts;
}

// The bytes the main window's description stores for its board image.
std::vector<std::uint8_t> StoredPictureData() {
    std::vector<std::uint8_t> text = ReadFileBytes(DESCRIPTION_PATH);
    TDescriptionObject form =
        TDescriptionParser(String(text.begin(), text.end()), "template.dfm").Parse();
    for (const TDescriptionObject& child : form.Children)
        if (child.Name == "BoardImage1")
            for (const TDescriptionProperty& property : child.Properties)
                if (property.Name == "Picture.Data")
                    return property.Value.Data;
    return {};
}

TEST(BoardPhotoTest, IsAProgressiveThreeComponentJpegWithJfifAndSrgbProfile) {
    TJpegFacts facts = ReadFacts(ReadFileBytes(BOARD_PHOTO_PATH));
    EXPECT_EQ(facts.Width, 600);
    EXPECT_EQ(facts.Height, 274);
    EXPECT_EQ(facts.Components, 3);
    EXPECT_EQ(facts.Precision, 8);
    EXPECT_TRUE(facts.Progressive);
    EXPECT_TRUE(facts.Jfif);
    ASSERT_GE(facts.IccProfile.size(), 128u);
    EXPECT_EQ(std::memcmp(&facts.IccProfile[36], "acsp", 4), 0);
    EXPECT_EQ(std::memcmp(&facts.IccProfile[16], "RGB ", 4), 0);
    EXPECT_EQ(std::memcmp(&facts.IccProfile[12], "mntr", 4), 0);
}

TEST(BoardPhotoTest, DescriptionStoresExactlyThePhotographFile) {
    EXPECT_EQ(StoredPictureData(), StoredJpegData(ReadFileBytes(BOARD_PHOTO_PATH)));
}

TEST(BoardPhotoTest, GeneratorRemakesThePhotographByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString output = dir.filePath("board.jpg");
    ASSERT_EQ(QProcess::execute(BOARD_PHOTO_GENERATOR, {output}), 0);
    EXPECT_EQ(ReadFileBytes(output.toStdString()), ReadFileBytes(BOARD_PHOTO_PATH));
}

} // namespace
