#include "SetupCtrls.h"

#include "ClassRegistry.h"

void RegisterSetupControls() {
    TClassRegistry& registry = TClassRegistry::Instance();
    registry.Register<TBoardImage>("TBoardImage");
}
