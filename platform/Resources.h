#pragma once

#include "Types.h"

// The text of a resource compiled into the program (":/forms/template.dfm"),
// or an Exception naming it when there is none.
String LoadResourceText(const String& path);
