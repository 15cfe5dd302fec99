#include "LLORVDRV.h"

#include <algorithm>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

TGetNumCards GetNumCards = nullptr;
TQueryCardInfo QueryCardInfo = nullptr;
TQueryBARBase QueryBARBase = nullptr;
TWaitForIRQ WaitForIRQ = nullptr;
TCOSWaitForIRQ COSWaitForIRQ = nullptr;
TWDGHandleIRQ WDGHandleIRQ = nullptr;
TAbortRequest AbortRequest = nullptr;
TCloseCard CloseCard = nullptr;
TWDGInit WDGInit = nullptr;
TWDGSetTimeout WDGSetTimeout = nullptr;
TWDGSetResetDuration WDGSetResetDuration = nullptr;
TWDGPet WDGPet = nullptr;
TWDGReadTemp WDGReadTemp = nullptr;
TWDGReadStatus WDGReadStatus = nullptr;
TWDGStart WDGStart = nullptr;
TWDGStop WDGStop = nullptr;
TEmergencyReboot EmergencyReboot = nullptr;
TInPortB InPortB = nullptr;
TOutPortB OutPortB = nullptr;
TInPort InPort = nullptr;
TOutPort OutPort = nullptr;
TInPortL InPortL = nullptr;
TOutPortL OutPortL = nullptr;
TInPortDWord InPortDWord = nullptr;
TOutPortDWord OutPortDWord = nullptr;
TRelInPortB RelInPortB = nullptr;
TRelOutPortB RelOutPortB = nullptr;
TRelInPort RelInPort = nullptr;
TRelOutPort RelOutPort = nullptr;
TRelInPortL RelInPortL = nullptr;
TRelOutPortL RelOutPortL = nullptr;
TRelInPortDWord RelInPortDWord = nullptr;
TRelOutPortDWord RelOutPortDWord = nullptr;

bool DriverLoaded = false;

namespace {

// The only part that differs between systems: the library's file name and how
// a library is loaded and searched. The handle is deliberately not kept: the
// library stays loaded for the rest of the program.
#ifdef _WIN32
constexpr const char* DriverLibraryFile = "ORVDRV.dll";

void* OpenLibrary(const char* file) {
    return reinterpret_cast<void*>(LoadLibraryA(file));
}

void* FindExport(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}
#else
constexpr const char* DriverLibraryFile = "libORVDRV.so";

void* OpenLibrary(const char* file) {
    return dlopen(file, RTLD_NOW | RTLD_LOCAL);
}

void* FindExport(void* library, const char* name) {
    return dlsym(library, name);
}
#endif

template <typename Reference>
bool LookUp(void* library, Reference& reference, const char* name) {
    reference = reinterpret_cast<Reference>(FindExport(library, name));
    return reference != nullptr;
}

// Stores what each lookup gives, null included, so that a name the library
// lacks never keeps a stale address. Returns whether every name was found.
bool LookUpEntryPoints(void* library) {
#define LOOK_UP(reference) LookUp(library, reference, #reference)
    // A braced list evaluates its elements in order and never stops early.
    const bool found[] = {
        LOOK_UP(GetNumCards),
        LOOK_UP(QueryCardInfo),
        LOOK_UP(QueryBARBase),
        LOOK_UP(WaitForIRQ),
        LOOK_UP(COSWaitForIRQ),
        LOOK_UP(WDGHandleIRQ),
        LOOK_UP(AbortRequest),
        LOOK_UP(CloseCard),
        LOOK_UP(WDGInit),
        LOOK_UP(WDGSetTimeout),
        LOOK_UP(WDGSetResetDuration),
        LOOK_UP(WDGPet),
        LOOK_UP(WDGReadTemp),
        LOOK_UP(WDGReadStatus),
        LOOK_UP(WDGStart),
        LOOK_UP(WDGStop),
        LOOK_UP(EmergencyReboot),
        LOOK_UP(InPortB),
        LOOK_UP(OutPortB),
        LOOK_UP(InPort),
        LOOK_UP(OutPort),
        LOOK_UP(InPortL),
        LOOK_UP(OutPortL),
        LOOK_UP(InPortDWord),
        LOOK_UP(OutPortDWord),
        LOOK_UP(RelInPortB),
        LOOK_UP(RelOutPortB),
        LOOK_UP(RelInPort),
        LOOK_UP(RelOutPort),
        LOOK_UP(RelInPortL),
        LOOK_UP(RelOutPortL),
        LOOK_UP(RelInPortDWord),
        LOOK_UP(RelOutPortDWord),
    };
#undef LOOK_UP
    return std::all_of(std::begin(found), std::end(found), [](bool f) { return f; });
}

} // namespace

void LoadDriverLibrary() {
    if (DriverLoaded)
        return;
    void* library = OpenLibrary(DriverLibraryFile);
    if (library == nullptr)
        return;
    DriverLoaded = LookUpEntryPoints(library);
}

std::int32_t InstalledCardCount() {
    if (GetNumCards == nullptr)
        return 0;
    return std::max<std::int32_t>(GetNumCards(), 0);
}
