#pragma once

#include "Types.h"

#include <functional>
#include <vector>

// An ordered list of lines, as memos, descriptions and panels keep their text.
class TStrings {
public:
    int Count() const { return int(FLines.size()); }
    const String& operator[](int index) const { return FLines.at(index); }
    void Add(const String& line);
    void Clear();
    void Assign(const TStrings& other);
    // The lines joined, each followed by CR LF.
    String Text() const;
    // Splits at CR LF, LF or CR.
    void SetText(const String& text);
    const std::vector<String>& Lines() const { return FLines; }

    std::function<void()> OnChange;

private:
    void Changed();
    std::vector<String> FLines;
};
