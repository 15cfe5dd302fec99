#include "Strings.h"

void TStrings::Add(const String& line) {
    FLines.push_back(line);
    Changed();
}

void TStrings::Clear() {
    if (FLines.empty())
        return;
    FLines.clear();
    Changed();
}

void TStrings::Assign(const TStrings& other) {
    FLines = other.FLines;
    Changed();
}

String TStrings::Text() const {
    String text;
    for (const String& line : FLines)
        text += line + "\r\n";
    return text;
}

void TStrings::SetText(const String& text) {
    FLines.clear();
    String line;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            FLines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        FLines.push_back(line);
    Changed();
}

void TStrings::Changed() {
    if (OnChange)
        OnChange();
}
