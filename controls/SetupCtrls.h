#pragma once

// The setup controls from which a settings program is assembled.
#include "BoardImage.h"
#include "SetupTypes.h"

// Makes the setup controls known to the reader of stored descriptions.
void RegisterSetupControls();
