#pragma once

#include "Types.h"

#include <cstdint>
#include <vector>

// One value of a stored description, as written: a number, a text, an
// identifier (an enumeration value, a reference, a handler, True or False),
// a set of identifiers, a list of texts, or binary data.
struct TDescriptionValue {
    enum TKind { vkInteger, vkString, vkIdentifier, vkSet, vkStringList, vkBinary };

    TKind Kind = vkInteger;
    long long Integer = 0;
    String Text;               // vkString and vkIdentifier
    std::vector<String> Items; // vkSet and vkStringList
    std::vector<std::uint8_t> Data;

    // Each raises an Exception saying what was expected when the kind differs.
    int AsInteger() const;
    bool AsBoolean() const;
    const String& AsString() const;
    const String& AsIdentifier() const;
};

struct TDescriptionProperty {
    String Name; // may be dotted: Font.Name
    TDescriptionValue Value;
    int Line = 0;
};

// One "object Name: TClass ... end" block.
struct TDescriptionObject {
    String Name;
    String ClassName;
    int Line = 0;
    std::vector<TDescriptionProperty> Properties;
    std::vector<TDescriptionObject> Children;
};
