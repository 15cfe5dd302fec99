#pragma once

#include "Component.h"
#include "DescriptionNode.h"
#include "Exception.h"

#include <functional>
#include <map>
#include <utility>
#include <vector>

class TFormReader;

// The properties a class lets a stored description set, each with the code
// that converts the written value and calls the setter. A class fills its
// table after its base class's, so it can also replace an inherited entry.
//
//   table.Integer<TControl>("Left", &TControl::SetLeft);
//   table.Text<TControl>("Font.Name", [](TControl& c, const String& v) { c.Font().SetName(v); });
class TPropertyTable {
public:
    using TSetter = std::function<void(TComponent& instance, const TDescriptionValue& value,
                                       TFormReader& reader)>;
    template <class E>
    using TNames = std::vector<std::pair<const char*, E>>;

    void Add(const String& name, TSetter setter);
    // Takes back an inherited property that a class does not offer.
    void Remove(const String& name);
    // Names compare without regard to letter case; nullptr if there is none.
    const TSetter* Find(const String& name) const;

    template <class C, class F>
    void Integer(const String& name, F set) {
        Add(name, [set](TComponent& c, const TDescriptionValue& v, TFormReader&) {
            std::invoke(set, static_cast<C&>(c), v.AsInteger());
        });
    }
    template <class C, class F>
    void Boolean(const String& name, F set) {
        Add(name, [set](TComponent& c, const TDescriptionValue& v, TFormReader&) {
            std::invoke(set, static_cast<C&>(c), v.AsBoolean());
        });
    }
    template <class C, class F>
    void Text(const String& name, F set) {
        Add(name, [set](TComponent& c, const TDescriptionValue& v, TFormReader&) {
            std::invoke(set, static_cast<C&>(c), v.AsString());
        });
    }
    template <class C, class F>
    void Lines(const String& name, F set) {
        Add(name, [set](TComponent& c, const TDescriptionValue& v, TFormReader&) {
            if (v.Kind != TDescriptionValue::vkStringList)
                throw Exception("a list of strings is expected");
            std::invoke(set, static_cast<C&>(c), v.Items);
        });
    }
    template <class C, class F>
    void Data(const String& name, F set) {
        Add(name, [set](TComponent& c, const TDescriptionValue& v, TFormReader&) {
            if (v.Kind != TDescriptionValue::vkBinary)
                throw Exception("binary data is expected");
            std::invoke(set, static_cast<C&>(c), v.Data);
        });
    }
    // An enumeration written by the names of its values.
    template <class C, class E, class F>
    void Enumeration(const String& name, F set, TNames<E> names) {
        Add(name, [set, names](TComponent& c, const TDescriptionValue& v, TFormReader&) {
            std::invoke(set, static_cast<C&>(c), ValueOf(names, v.AsIdentifier()));
        });
    }
    // A set written as [name, name]; the setter gets the flags or-ed together.
    template <class C, class F>
    void Flags(const String& name, F set, TNames<unsigned> names) {
        Add(name, [set, names](TComponent& c, const TDescriptionValue& v, TFormReader&) {
            if (v.Kind != TDescriptionValue::vkSet)
                throw Exception("a set is expected");
            unsigned flags = 0;
            for (const String& item : v.Items)
                flags |= ValueOf(names, item);
            std::invoke(set, static_cast<C&>(c), flags);
        });
    }
    // A colour: a number or a colour's name (clWhite, clBtnFace, ...).
    template <class C, class F>
    void Color(const String& name, F set) {
        Add(name, [set](TComponent& c, const TDescriptionValue& v, TFormReader&) {
            std::invoke(set, static_cast<C&>(c), ColorOf(v));
        });
    }
    // A reference to another component of the description, which may come
    // later in it: the reader assigns it once the whole description is read.
    template <class C, class R>
    void Reference(const String& name, void (C::*set)(R*));
    // An event, bound to the form's handler of the written name.
    template <class C, class E>
    void Event(const String& name, E C::*event);

    static TColor ColorOf(const TDescriptionValue& value);
    // The message for a reference to a component of the wrong class.
    static String WrongReference(const TComponent* target);

private:
    template <class E>
    static E ValueOf(const TNames<E>& names, const String& text) {
        for (const auto& [valueName, value] : names)
            if (SameText(valueName, text))
                return value;
        throw Exception("\"" + text + "\" is not a valid value");
    }

    std::vector<std::pair<String, TSetter>> FSetters;
};

#include "FormReader.h"

template <class C, class R>
void TPropertyTable::Reference(const String& name, void (C::*set)(R*)) {
    Add(name, [set](TComponent& c, const TDescriptionValue& v, TFormReader& reader) {
        if (v.Kind == TDescriptionValue::vkIdentifier && SameText(v.Text, "nil")) {
            (static_cast<C&>(c).*set)(nullptr);
            return;
        }
        auto* instance = &static_cast<C&>(c);
        reader.AddReference(v.AsIdentifier(), [instance, set](TComponent* target) {
            auto* typed = dynamic_cast<R*>(target);
            if (!typed)
                throw Exception(WrongReference(target));
            (instance->*set)(typed);
        });
    });
}

template <class C, class E>
void TPropertyTable::Event(const String& name, E C::*event) {
    Add(name, [event, name](TComponent& c, const TDescriptionValue& v, TFormReader& reader) {
        static_cast<C&>(c).*event = reader.template BindHandler<E>(v.AsIdentifier(), name);
    });
}
