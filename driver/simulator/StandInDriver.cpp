// A stand-in for the card maker's driver library, for machines without the
// cards. It reports the cards listed in the environment variable ORVDRV_CARDS,
// a comma-separated list of DEVICEID:BASE in hexadecimal such as
// "48E8:D000,48A8:E000"; every other entry point does nothing and reports
// failure where it returns a status.

#include "ORVDRV.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#if defined(_WIN32)
#define STAND_IN_EXPORT extern "C" __declspec(dllexport)
#else
#define STAND_IN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

constexpr int32_t Failure = 0;
constexpr int32_t Success = 1;

struct Card {
    uint32_t DeviceID;
    uint32_t BaseAddress;
};

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Hexadecimal digits with an optional 0x prefix, the value within 32 bits.
std::optional<uint32_t> ParseHex32(std::string_view text) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    if (text.empty())
        return std::nullopt;
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, 16);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::optional<Card> ParseEntry(std::string_view entry) {
    const auto colon = entry.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto deviceID = ParseHex32(entry.substr(0, colon));
    const auto baseAddress = ParseHex32(entry.substr(colon + 1));
    if (!deviceID || !baseAddress)
        return std::nullopt;
    return Card{*deviceID, *baseAddress};
}

// Control characters are escaped so that the complaint stays on one line.
std::string Printable(std::string_view text) {
    std::string result;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            result += escaped;
        } else {
            result += c;
        }
    }
    return result;
}

void ReportBadEntry(int position, std::string_view entry) {
    std::fprintf(stderr,
                 "ORVDRV: entry %d of ORVDRV_CARDS, \"%s\", is not DEVICEID:BASE in hexadecimal;"
                 " no cards reported\n",
                 position, Printable(entry).c_str());
}

// A list with one bad entry gives no cards at all, so that a typing mistake
// cannot pass for a shorter list of cards.
std::vector<Card> ParseCardList(const char* list) {
    if (list == nullptr || Trimmed(list).empty())
        return {};
    std::vector<Card> cards;
    std::string_view rest = list;
    for (int position = 1;; ++position) {
        const auto comma = rest.find(',');
        const auto entry = Trimmed(rest.substr(0, comma));
        const auto card = ParseEntry(entry);
        if (!card) {
            ReportBadEntry(position, entry);
            return {};
        }
        cards.push_back(*card);
        if (comma == std::string_view::npos)
            return cards;
        rest.remove_prefix(comma + 1);
    }
}

// Read once, at the first question about the cards: the installed cards do not
// change while a program runs, and a bad list is reported only once.
const std::vector<Card>& InstalledCards() {
    static const std::vector<Card> cards = ParseCardList(std::getenv("ORVDRV_CARDS"));
    return cards;
}

} // namespace

STAND_IN_EXPORT int32_t GetNumCards(void) {
    return static_cast<int32_t>(InstalledCards().size());
}

STAND_IN_EXPORT int32_t QueryCardInfo(int32_t CardIndex, int32_t* DeviceID, uint32_t* BaseAddress,
                                      void*, void*) {
    const auto& cards = InstalledCards();
    if (CardIndex < 0 || static_cast<size_t>(CardIndex) >= cards.size())
        return Failure;
    const Card& card = cards[static_cast<size_t>(CardIndex)];
    if (DeviceID != nullptr)
        *DeviceID = static_cast<int32_t>(card.DeviceID);
    if (BaseAddress != nullptr)
        *BaseAddress = card.BaseAddress;
    return Success;
}

// No card is ever opened, so every operation on a card fails, writes nothing
// and returns at once (a wait for an interrupt included).
STAND_IN_EXPORT int32_t QueryBARBase(int32_t, int32_t, uint32_t*) {
    return Failure;
}
STAND_IN_EXPORT int32_t WaitForIRQ(int32_t) {
    return Failure;
}
STAND_IN_EXPORT int32_t COSWaitForIRQ(int32_t, uint32_t*) {
    return Failure;
}
STAND_IN_EXPORT int32_t WDGHandleIRQ(int32_t) {
    return Failure;
}
STAND_IN_EXPORT int32_t AbortRequest(int32_t) {
    return Failure;
}
STAND_IN_EXPORT int32_t CloseCard(int32_t) {
    return Failure;
}
STAND_IN_EXPORT int32_t WDGInit(int32_t) {
    return Failure;
}
STAND_IN_EXPORT int32_t WDGSetTimeout(int32_t, uint32_t) {
    return Failure;
}
STAND_IN_EXPORT int32_t WDGSetResetDuration(int32_t, uint32_t) {
    return Failure;
}
// Left out of a test build to exercise an incomplete binding.
#ifndef STAND_IN_WITHOUT_WDGPET
STAND_IN_EXPORT int32_t WDGPet(int32_t) {
    return Failure;
}
#endif
STAND_IN_EXPORT int32_t WDGReadTemp(int32_t, int32_t*) {
    return Failure;
}
STAND_IN_EXPORT int32_t WDGReadStatus(int32_t, uint32_t*) {
    return Failure;
}
STAND_IN_EXPORT int32_t WDGStart(int32_t) {
    return Failure;
}
STAND_IN_EXPORT int32_t WDGStop(int32_t) {
    return Failure;
}
STAND_IN_EXPORT int32_t EmergencyReboot(int32_t) {
    return Failure;
}

// There is no hardware behind the ports: reads give 0, writes go nowhere.
STAND_IN_EXPORT uint8_t InPortB(uint32_t) {
    return 0;
}
STAND_IN_EXPORT void OutPortB(uint32_t, uint8_t) {}
STAND_IN_EXPORT uint16_t InPort(uint32_t) {
    return 0;
}
STAND_IN_EXPORT void OutPort(uint32_t, uint16_t) {}
STAND_IN_EXPORT uint32_t InPortL(uint32_t) {
    return 0;
}
STAND_IN_EXPORT void OutPortL(uint32_t, uint32_t) {}
STAND_IN_EXPORT uint32_t InPortDWord(uint32_t) {
    return 0;
}
STAND_IN_EXPORT void OutPortDWord(uint32_t, uint32_t) {}
STAND_IN_EXPORT uint8_t RelInPortB(int32_t, uint32_t) {
    return 0;
}
STAND_IN_EXPORT void RelOutPortB(int32_t, uint32_t, uint8_t) {}
STAND_IN_EXPORT uint16_t RelInPort(int32_t, uint32_t) {
    return 0;
}
STAND_IN_EXPORT void RelOutPort(int32_t, uint32_t, uint16_t) {}
STAND_IN_EXPORT uint32_t RelInPortL(int32_t, uint32_t) {
    return 0;
}
STAND_IN_EXPORT void RelOutPortL(int32_t, uint32_t, uint32_t) {}
STAND_IN_EXPORT uint32_t RelInPortDWord(int32_t, uint32_t) {
    return 0;
}
STAND_IN_EXPORT void RelOutPortDWord(int32_t, uint32_t, uint32_t) {}

// Each export must have exactly the argument list the program binds it with.
#define SAME_AS_BINDING(name) static_assert(std::is_same_v<decltype(&name), T##name>, #name)
SAME_AS_BINDING(GetNumCards);
SAME_AS_BINDING(QueryCardInfo);
SAME_AS_BINDING(QueryBARBase);
SAME_AS_BINDING(WaitForIRQ);
SAME_AS_BINDING(COSWaitForIRQ);
SAME_AS_BINDING(WDGHandleIRQ);
SAME_AS_BINDING(AbortRequest);
SAME_AS_BINDING(CloseCard);
SAME_AS_BINDING(WDGInit);
SAME_AS_BINDING(WDGSetTimeout);
SAME_AS_BINDING(WDGSetResetDuration);
#ifndef STAND_IN_WITHOUT_WDGPET
SAME_AS_BINDING(WDGPet);
#endif
SAME_AS_BINDING(WDGReadTemp);
SAME_AS_BINDING(WDGReadStatus);
SAME_AS_BINDING(WDGStart);
SAME_AS_BINDING(WDGStop);
SAME_AS_BINDING(EmergencyReboot);
SAME_AS_BINDING(InPortB);
SAME_AS_BINDING(OutPortB);
SAME_AS_BINDING(InPort);
SAME_AS_BINDING(OutPort);
SAME_AS_BINDING(InPortL);
SAME_AS_BINDING(OutPortL);
SAME_AS_BINDING(InPortDWord);
SAME_AS_BINDING(OutPortDWord);
SAME_AS_BINDING(RelInPortB);
SAME_AS_BINDING(RelOutPortB);
SAME_AS_BINDING(RelInPort);
SAME_AS_BINDING(RelOutPort);
SAME_AS_BINDING(RelInPortL);
SAME_AS_BINDING(RelOutPortL);
SAME_AS_BINDING(RelInPortDWord);
SAME_AS_BINDING(RelOutPortDWord);
#undef SAME_AS_BINDING
