#pragma once
// ParGen.xml, the gateway's general parameters: one table of its thirty
// elements in file order, with the form of each value and the default that
// the Set Communication window shows. The window's reader and writer both
// follow it, so the order and the defaults live in one place.
#include <array>
#include <span>

#include "platform/sys/String.h"

enum TParGenKind { pgText, pgFlag, pgSecurityLevel, pgAuthMode, pgPrivMode };

struct TParGenElement {
  StringView Name;
  TParGenKind Kind;
  StringView Default;
};

inline constexpr std::size_t ParGen_Element_Count = 30;
extern const std::array<TParGenElement, ParGen_Element_Count> ParGen_Elements;

// Values in file form, in element order: texts as typed, flags "1" or "0",
// the three lists their item text.
using TParGenValues = std::array<String, ParGen_Element_Count>;

// The fixed items of a list kind (never translated); empty for other kinds.
std::span<const StringView> ParGen_List_Items(TParGenKind Kind);
// The item a list element's text selects ("auth priv" selects "Auth Priv");
// anything else selects the first.
int ParGen_List_Index(TParGenKind Kind, StringView Text);

TParGenValues Default_ParGen_Values();
// Each element on its own: a missing file, a missing element or an
// unreadable value gives the element's default. Raises when the file exists
// but cannot be read or parsed.
TParGenValues Read_ParGen(const String& FileName);
// Rewrites the file whole (root, the version comment after it, the thirty
// elements) through the safe writer.
void Write_ParGen(const TParGenValues& Values, const String& FileName);
