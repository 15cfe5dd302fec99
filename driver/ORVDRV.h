#pragma once

// The entry points of the card maker's driver library ORVDRV, as function
// types. The program never links the library: it looks every entry point up
// by name at run time (LLORVDRV.h), so it starts and lists no cards when the
// library is not installed. The header is plain C so that the library and C
// callers share these exact argument lists; all entry points use the C
// calling convention, the compilers' default.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Card enumeration. A card index runs from 0 to GetNumCards() - 1; status
// results are non-zero for success.
typedef int32_t (*TGetNumCards)(void);
typedef int32_t (*TQueryCardInfo)(int32_t CardIndex, int32_t* DeviceID, uint32_t* BaseAddress,
                                  void* Reserved1, void* Reserved2);
typedef int32_t (*TQueryBARBase)(int32_t CardIndex, int32_t BARIndex, uint32_t* BaseAddress);

// Interrupts and requests.
typedef int32_t (*TWaitForIRQ)(int32_t CardIndex);
typedef int32_t (*TCOSWaitForIRQ)(int32_t CardIndex, uint32_t* ChangedBits);
typedef int32_t (*TWDGHandleIRQ)(int32_t CardIndex);
typedef int32_t (*TAbortRequest)(int32_t CardIndex);
typedef int32_t (*TCloseCard)(int32_t CardIndex);

// The watchdog timer.
typedef int32_t (*TWDGInit)(int32_t CardIndex);
typedef int32_t (*TWDGSetTimeout)(int32_t CardIndex, uint32_t Milliseconds);
typedef int32_t (*TWDGSetResetDuration)(int32_t CardIndex, uint32_t Milliseconds);
typedef int32_t (*TWDGPet)(int32_t CardIndex);
typedef int32_t (*TWDGReadTemp)(int32_t CardIndex, int32_t* Temperature);
typedef int32_t (*TWDGReadStatus)(int32_t CardIndex, uint32_t* Status);
typedef int32_t (*TWDGStart)(int32_t CardIndex);
typedef int32_t (*TWDGStop)(int32_t CardIndex);
typedef int32_t (*TEmergencyReboot)(int32_t CardIndex);

// Port access by absolute port address.
typedef uint8_t (*TInPortB)(uint32_t Port);
typedef void (*TOutPortB)(uint32_t Port, uint8_t Value);
typedef uint16_t (*TInPort)(uint32_t Port);
typedef void (*TOutPort)(uint32_t Port, uint16_t Value);
typedef uint32_t (*TInPortL)(uint32_t Port);
typedef void (*TOutPortL)(uint32_t Port, uint32_t Value);
typedef uint32_t (*TInPortDWord)(uint32_t Port);
typedef void (*TOutPortDWord)(uint32_t Port, uint32_t Value);

// Port access relative to a card's base address.
typedef uint8_t (*TRelInPortB)(int32_t CardIndex, uint32_t Offset);
typedef void (*TRelOutPortB)(int32_t CardIndex, uint32_t Offset, uint8_t Value);
typedef uint16_t (*TRelInPort)(int32_t CardIndex, uint32_t Offset);
typedef void (*TRelOutPort)(int32_t CardIndex, uint32_t Offset, uint16_t Value);
typedef uint32_t (*TRelInPortL)(int32_t CardIndex, uint32_t Offset);
typedef void (*TRelOutPortL)(int32_t CardIndex, uint32_t Offset, uint32_t Value);
typedef uint32_t (*TRelInPortDWord)(int32_t CardIndex, uint32_t Offset);
typedef void (*TRelOutPortDWord)(int32_t CardIndex, uint32_t Offset, uint32_t Value);

#ifdef __cplusplus
}
#endif
