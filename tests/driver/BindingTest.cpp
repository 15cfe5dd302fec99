// The run-time binding against three builds of the stand-in library: the
// complete one, one without WDGPet, and none at all. CTest runs each group with
// the loader's search path pointing at its build, and each case in a process of
// its own, so that every case starts with nothing bound.

#include "LLORVDRV.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

struct Reference {
    const char* Name;
    void* Address;
};

template <typename Function>
void* AddressOf(Function function) {
    return reinterpret_cast<void*>(function);
}

// Every reference of the binding with the export it must be bound to.
std::vector<Reference> References() {
    return {
        {"GetNumCards", AddressOf(GetNumCards)},
        {"QueryCardInfo", AddressOf(QueryCardInfo)},
        {"QueryBARBase", AddressOf(QueryBARBase)},
        {"WaitForIRQ", AddressOf(WaitForIRQ)},
        {"COSWaitForIRQ", AddressOf(COSWaitForIRQ)},
        {"WDGHandleIRQ", AddressOf(WDGHandleIRQ)},
        {"AbortRequest", AddressOf(AbortRequest)},
        {"CloseCard", AddressOf(CloseCard)},
        {"WDGInit", AddressOf(WDGInit)},
        {"WDGSetTimeout", AddressOf(WDGSetTimeout)},
        {"WDGSetResetDuration", AddressOf(WDGSetResetDuration)},
        {"WDGPet", AddressOf(WDGPet)},
        {"WDGReadTemp", AddressOf(WDGReadTemp)},
        {"WDGReadStatus", AddressOf(WDGReadStatus)},
        {"WDGStart", AddressOf(WDGStart)},
        {"WDGStop", AddressOf(WDGStop)},
        {"EmergencyReboot", AddressOf(EmergencyReboot)},
        {"InPortB", AddressOf(InPortB)},
        {"OutPortB", AddressOf(OutPortB)},
        {"InPort", AddressOf(InPort)},
        {"OutPort", AddressOf(OutPort)},
        {"InPortL", AddressOf(InPortL)},
        {"OutPortL", AddressOf(OutPortL)},
        {"InPortDWord", AddressOf(InPortDWord)},
        {"OutPortDWord", AddressOf(OutPortDWord)},
        {"RelInPortB", AddressOf(RelInPortB)},
        {"RelOutPortB", AddressOf(RelOutPortB)},
        {"RelInPort", AddressOf(RelInPort)},
        {"RelOutPort", AddressOf(RelOutPort)},
        {"RelInPortL", AddressOf(RelInPortL)},
        {"RelOutPortL", AddressOf(RelOutPortL)},
        {"RelInPortDWord", AddressOf(RelInPortDWord)},
        {"RelOutPortDWord", AddressOf(RelOutPortDWord)},
    };
}

// Checks each reference against what the library found by the same search
// exports under that name (null for a name it lacks).
void ExpectEachReferenceBoundToItsExport() {
    void* library = dlopen("libORVDRV.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr) << "the binding did not load the library";
    for (const Reference& reference : References())
        EXPECT_EQ(reference.Address, dlsym(library, reference.Name)) << reference.Name;
}

class BindingTest : public testing::Test {
protected:
    void SetUp() override {
        // The stand-in reads its card list at the first question about cards.
        setenv("ORVDRV_CARDS", "48E8:D000,48A8:E000", 1);
        ASSERT_FALSE(DriverLoaded);
        for (const Reference& reference : References())
            ASSERT_EQ(reference.Address, nullptr) << reference.Name << " bound before loading";
    }
};

using CompleteLibrary = BindingTest;
using LibraryWithoutWDGPet = BindingTest;
using NoLibrary = BindingTest;

TEST_F(CompleteLibrary, BindsEveryEntryPointToItsExport) {
    LoadDriverLibrary();
    EXPECT_TRUE(DriverLoaded);
    ExpectEachReferenceBoundToItsExport();
}

TEST_F(CompleteLibrary, SecondLoadDoesNothing) {
    LoadDriverLibrary();
    ASSERT_TRUE(DriverLoaded);
    GetNumCards = nullptr;
    LoadDriverLibrary();
    EXPECT_EQ(GetNumCards, nullptr) << "the entry points were looked up again";
    EXPECT_TRUE(DriverLoaded);
}

TEST_F(CompleteLibrary, ReportsTheListedCardsThroughTheBinding) {
    LoadDriverLibrary();
    EXPECT_EQ(InstalledCardCount(), 2);
    std::int32_t deviceID = 0;
    std::uint32_t baseAddress = 0;
    ASSERT_NE(QueryCardInfo(1, &deviceID, &baseAddress, nullptr, nullptr), 0);
    EXPECT_EQ(deviceID, 0x48A8);
    EXPECT_EQ(baseAddress, 0xE000u);
    EXPECT_EQ(QueryCardInfo(2, &deviceID, &baseAddress, nullptr, nullptr), 0);
}

TEST_F(LibraryWithoutWDGPet, LeavesTheBindingIncompleteAndTheRestUsable) {
    LoadDriverLibrary();
    EXPECT_FALSE(DriverLoaded);
    EXPECT_EQ(WDGPet, nullptr);
    ExpectEachReferenceBoundToItsExport();
    ASSERT_NE(GetNumCards, nullptr);
    EXPECT_EQ(GetNumCards(), 2);
}

TEST_F(LibraryWithoutWDGPet, LaterLoadLooksEveryEntryPointUpAgain) {
    LoadDriverLibrary();
    GetNumCards = nullptr;
    RelOutPortDWord = nullptr;
    LoadDriverLibrary();
    EXPECT_FALSE(DriverLoaded);
    ExpectEachReferenceBoundToItsExport();
    EXPECT_NE(GetNumCards, nullptr);
    EXPECT_NE(RelOutPortDWord, nullptr);
}

TEST_F(NoLibrary, BindsNothingAndReportsNoCards) {
    LoadDriverLibrary();
    LoadDriverLibrary();
    EXPECT_FALSE(DriverLoaded);
    for (const Reference& reference : References())
        EXPECT_EQ(reference.Address, nullptr) << reference.Name;
    // GetNumCards is null here: calling it would end the test program.
    EXPECT_EQ(InstalledCardCount(), 0);
}

TEST_F(NoLibrary, LeavesEarlierReferencesAsTheyWere) {
    const TGetNumCards earlier = [] { return std::int32_t{3}; };
    GetNumCards = earlier;
    LoadDriverLibrary();
    EXPECT_EQ(GetNumCards, earlier);
    EXPECT_EQ(QueryCardInfo, nullptr);
}

TEST(InstalledCardCount, IsWhatTheLibraryReportsAndNeverBelowZero) {
    const struct {
        TGetNumCards Reported;
        std::int32_t Count;
    } cases[] = {
        {nullptr, 0},
        {[] { return std::int32_t{0}; }, 0},
        {[] { return std::int32_t{-1}; }, 0},
        {[] { return std::int32_t{3}; }, 3},
    };
    for (const auto& c : cases) {
        GetNumCards = c.Reported;
        EXPECT_EQ(InstalledCardCount(), c.Count);
    }
    GetNumCards = nullptr;
}

} // namespace
