#pragma once

#include "ORVDRV.h"

#include <cstdint>

// The run-time binding of the driver library. Each reference is null until
// LoadDriverLibrary finds its export; callers test a reference before calling
// through it, because the library may be absent or lack entry points.

extern TGetNumCards GetNumCards;
extern TQueryCardInfo QueryCardInfo;
extern TQueryBARBase QueryBARBase;
extern TWaitForIRQ WaitForIRQ;
extern TCOSWaitForIRQ COSWaitForIRQ;
extern TWDGHandleIRQ WDGHandleIRQ;
extern TAbortRequest AbortRequest;
extern TCloseCard CloseCard;
extern TWDGInit WDGInit;
extern TWDGSetTimeout WDGSetTimeout;
extern TWDGSetResetDuration WDGSetResetDuration;
extern TWDGPet WDGPet;
extern TWDGReadTemp WDGReadTemp;
extern TWDGReadStatus WDGReadStatus;
extern TWDGStart WDGStart;
extern TWDGStop WDGStop;
extern TEmergencyReboot EmergencyReboot;
extern TInPortB InPortB;
extern TOutPortB OutPortB;
extern TInPort InPort;
extern TOutPort OutPort;
extern TInPortL InPortL;
extern TOutPortL OutPortL;
extern TInPortDWord InPortDWord;
extern TOutPortDWord OutPortDWord;
extern TRelInPortB RelInPortB;
extern TRelOutPortB RelOutPortB;
extern TRelInPort RelInPort;
extern TRelOutPort RelOutPort;
extern TRelInPortL RelInPortL;
extern TRelOutPortL RelOutPortL;
extern TRelInPortDWord RelInPortDWord;
extern TRelOutPortDWord RelOutPortDWord;

// True once every reference above is bound.
extern bool DriverLoaded;

// Loads the driver library by file name through the system's usual search and
// looks up every entry point. Does nothing once the binding is complete; after
// an incomplete binding it loads the library again and repeats every lookup.
// A library that cannot be loaded leaves every reference as it was.
void LoadDriverLibrary();

// The number of installed cards the library reports; 0 when GetNumCards is
// not bound or the library reports none.
std::int32_t InstalledCardCount();
