#pragma once

// The setup controls from which a settings program is assembled.
#include "BoardHighlight.h"
#include "BoardImage.h"
#include "DipSwitch.h"
#include "PopupForm.h"
#include "RadioPanel.h"
#include "SetupTypes.h"
#include "ThreeJumper.h"

// Makes the setup controls known to the reader of stored descriptions.
void RegisterSetupControls();
