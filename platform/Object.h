#pragma once

#include "Types.h"

// The root of every class the stored descriptions and the controls know.
// Controls recognise each other by exact class name, so every class that can
// be told apart this way returns its own name.
class TObject {
public:
    virtual ~TObject() = default;
    virtual String ClassName() const { return "TObject"; }

protected:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
};
