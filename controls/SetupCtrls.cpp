#include "SetupCtrls.h"

#include "ClassRegistry.h"

void RegisterSetupControls() {
    TClassRegistry& registry = TClassRegistry::Instance();
    registry.Register<TBoardImage>("TBoardImage");
    registry.Register<TDipSwitch>("TDipSwitch");
    registry.Register<TThreeJumper>("TThreeJumper");
    registry.Register<TBoardHighlight>("TBoardHighlight");
    registry.Register<TRadioPanel>("TRadioPanel");
}
