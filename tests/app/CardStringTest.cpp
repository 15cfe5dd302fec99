#include "Application.h"
#include "LLORVDRV.h"
#include "template.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// What the driver answers to the next card query, and what it was asked.
struct FakeDriver {
    std::int32_t Result = 1;
    std::int32_t DeviceID = 0;
    std::uint32_t BaseAddress = 0;
    std::int32_t AskedIndex = -1;
    bool ExtrasWereNull = false;
};
FakeDriver Driver;

std::int32_t FakeQueryCardInfo(std::int32_t cardIndex, std::int32_t* deviceID,
                               std::uint32_t* baseAddress, void* extra1, void* extra2) {
    Driver.AskedIndex = cardIndex;
    Driver.ExtrasWereNull = extra1 == nullptr && extra2 == nullptr;
    // Written even for a failed query, whose values must not be used.
    *deviceID = Driver.DeviceID;
    *baseAddress = Driver.BaseAddress;
    return Driver.Result;
}

class CardStringTest : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(MainForm);
        Driver = {};
        QueryCardInfo = FakeQueryCardInfo;
    }
    void TearDown() override { QueryCardInfo = nullptr; }

    static String TextFor(std::int32_t deviceID, std::uint32_t baseAddress,
                          std::int32_t result = 1) {
        Driver.DeviceID = deviceID;
        Driver.BaseAddress = baseAddress;
        Driver.Result = result;
        return MainForm->SetSupGetCardString(nullptr, 0);
    }
};

TEST_F(CardStringTest, NamesEachModelOfTheFamilyAndItsBaseAddress) {
    const struct {
        std::int32_t DeviceID;
        const char* Text;
    } cases[] = {
        {0x48A8, "KQ-210\r\nD/A Base Address: D000"},
        {0x48B0, "KQ-220\r\nD/A Base Address: D000"},
        {0x48E8, "KQ-310\r\nD/A Base Address: D000"},
        {0x48F0, "KQ-320\r\nD/A Base Address: D000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextFor(c.DeviceID, 0xD000), c.Text) << std::hex << c.DeviceID;
}

TEST_F(CardStringTest, WritesTheBaseAddressInUpperCaseWithAtLeastFourDigits) {
    const struct {
        std::uint32_t BaseAddress;
        const char* Digits;
    } cases[] = {
        {0x0, "0000"},
        {0xABC, "0ABC"},
        {0xE000, "E000"},
        {0x12345, "12345"},
        {0xABCDEF, "ABCDEF"},
        {0x80000000, "80000000"},
        {0xFFFFFFFF, "FFFFFFFF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextFor(0x48E8, c.BaseAddress),
                  String("KQ-310\r\nD/A Base Address: ") + c.Digits);
}

TEST_F(CardStringTest, CardOfAnotherKindGivesTheEmptyText) {
    for (const std::int32_t deviceID : {0x48A9, 0x48B1, 0x48E9, 0x48F1, 0x48A7, 0x148E8, 0, -1})
        EXPECT_EQ(TextFor(deviceID, 0xD000), "") << std::hex << deviceID;
}

TEST_F(CardStringTest, OnlyAZeroResultIsAFailedQuery) {
    EXPECT_EQ(TextFor(0x48E8, 0xD000, 0), "");
    EXPECT_EQ(TextFor(0x48E8, 0xD000, -1), "KQ-310\r\nD/A Base Address: D000");
    EXPECT_EQ(TextFor(0x48E8, 0xD000, 2), "KQ-310\r\nD/A Base Address: D000");
}

TEST_F(CardStringTest, AsksTheDriverAboutTheGivenCardWithTheExtraArgumentsNull) {
    Driver.DeviceID = 0x48B0;
    MainForm->SetSupGetCardString(nullptr, 3);
    EXPECT_EQ(Driver.AskedIndex, 3);
    EXPECT_TRUE(Driver.ExtrasWereNull);
}

TEST_F(CardStringTest, WithoutTheDriverLibraryEveryCardGivesTheEmptyText) {
    QueryCardInfo = nullptr;
    EXPECT_EQ(MainForm->SetSupGetCardString(nullptr, 0), "");
}

} // namespace
