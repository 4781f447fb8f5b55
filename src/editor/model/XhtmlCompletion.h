#pragma once
// What the editor's completion list offers: the XHTML element names after a "<", and the
// attribute names of the start tag the caret stands in. Everything here reads the text as
// its lines joined with CR LF, and looks back at most XhtmlLookBack characters from the
// caret, so a long text costs no more than a short one.
#include "platform/Geometry.h"

#include <string>
#include <string_view>
#include <vector>

class TLineStore;

// Characters looked at before the caret, nearest first.
constexpr int XhtmlLookBack = 501;

// The element table: one "name=attribute&attribute&..." row per element, in the order the
// element list shows them, "!--" last with no attributes.
const std::vector<std::string>& XhtmlTags();

// The element names of the table, in its order.
std::vector<std::string> XhtmlElementNames();

// The attributes of `element` (found without regard to case), sorted by the locale's
// collation ignoring case; nothing for an empty name, an unknown element or "!--".
std::vector<std::string> XhtmlAttributes(const std::string& element);

// Up to `count` characters of the joined text that end just before `p`.
std::string JoinedTextBefore(const TLineStore& lines, TPoint p, int count);

// The name of the start tag `selStart` stands in, or empty: looking back, a ">" ends the
// search with nothing, the first "<" marks the tag, and the name runs from it to the first
// space before `selStart` (none: empty).
std::string TagNameAtCaret(const TLineStore& lines, TPoint selStart);

// What to offer at `selStart`: nothing in a text of one empty line, the element names right
// after a "<", else the attributes of the tag the caret is in.
std::vector<std::string> ListMenuItems(const TLineStore& lines, TPoint selStart);

// After a typed space at `caret`: whether the nearest of "<" and ">" before it is a "<" that
// opens a tag ("<!", "<%" and "<?" do not).
bool SpaceOpensListMenu(const TLineStore& lines, TPoint caret);
