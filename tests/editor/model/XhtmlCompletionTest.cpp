// What the completion list offers at the caret: the element table, the attributes of the
// tag the caret is in, the look-back over the joined text, and when a typed space opens it.
#include "editor/model/XhtmlCompletion.h"

#include "editor/model/LineStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// A store holding `text`, and the position at its end.
struct Text {
    explicit Text(const std::string& text)
    {
        Lines.SetText(text);
        const int last = Lines.Count() - 1;
        End = {Lines.Length(last), last};
    }
    TLineStore Lines;
    TPoint End;
};

// What the completion asks for at the end of `text`.
std::string TagNameAtEnd(const std::string& text)
{
    const Text t(text);
    return TagNameAtCaret(t.Lines, t.End);
}
Strings ItemsAtEnd(const std::string& text)
{
    const Text t(text);
    return ListMenuItems(t.Lines, t.End);
}
bool SpaceOpensAtEnd(const std::string& text)
{
    const Text t(text);
    return SpaceOpensListMenu(t.Lines, t.End);
}

const Strings CellAttributes = {"%cellhalign", "%cellvalign", "abbr",        "axis",       "class",
                                "colspan",     "dir",         "headers",     "id",         "lang",
                                "onclick",     "ondblclick",  "onkeydown",   "onkeypress", "onkeyup",
                                "onmousedown", "onmousemove", "onmouseout",  "onmouseover", "onmouseup",
                                "rowspan",     "scope",       "style",       "title",      "xml:lang"};

} // namespace

TEST(XhtmlCompletionTest, TableHoldsTheElementsInListOrderWithTheirAttributeRows)
{
    const Strings& tags = XhtmlTags();
    ASSERT_EQ(tags.size(), 78u);
    EXPECT_EQ(tags.front(), "html=lang&xml:lang&dir&id&xmlns");
    EXPECT_EQ(tags.back(), "!--=");
    EXPECT_EQ(tags[3], "base=href&id");
    EXPECT_EQ(tags[8], "noscript=lang&xml:lang&dir&id&class&style&title&onclick&ondblclick&onmousedown&"
                       "onmouseup&onmouseover&onmousemove&onmouseout&onkeypress&onkeydown&onkeyup");
    EXPECT_EQ(tags[33], "br=id&class&style&title");
    EXPECT_EQ(tags[76], "td=lang&xml:lang&dir&id&class&style&title&onclick&ondblclick&onmousedown&"
                        "onmouseup&onmouseover&onmousemove&onmouseout&onkeypress&onkeydown&onkeyup&"
                        "%cellhalign&%cellvalign&abbr&axis&headers&scope&rowspan&colspan");
    const Strings names = XhtmlElementNames();
    const Strings expected = {
        "html",     "head",   "title",  "base",     "meta",    "link",     "style",    "script",  "noscript",
        "body",     "div",    "p",      "h1",       "h2",      "h3",       "h4",       "h5",      "h6",
        "ul",       "ol",     "li",     "dl",       "dt",      "dd",       "address",  "hr",      "pre",
        "blockquote", "ins",  "del",    "a",        "span",    "bdo",      "br",       "em",      "strong",
        "dfn",      "code",   "samp",   "kbd",      "var",     "cite",     "abbr",     "acronym", "q",
        "sub",      "sup",    "tt",     "i",        "b",       "big",      "small",    "object",  "param",
        "img",      "map",    "area",   "form",     "label",   "input",    "select",   "optgroup", "option",
        "textarea", "fieldset", "legend", "button", "table",   "caption",  "thead",    "tfoot",   "tbody",
        "colgroup", "col",    "tr",     "th",       "td",      "!--"};
    EXPECT_EQ(names, expected);
    // The table is built once; every caller sees the same rows.
    EXPECT_EQ(&XhtmlTags(), &tags);
}

TEST(XhtmlCompletionTest, AttributesAreSortedIgnoringCaseAndElementsFoundIgnoringCase)
{
    EXPECT_EQ(XhtmlAttributes("td"), CellAttributes);
    EXPECT_EQ(XhtmlAttributes("TD"), CellAttributes);
    EXPECT_EQ(XhtmlAttributes("html"), (Strings{"dir", "id", "lang", "xml:lang", "xmlns"}));
    EXPECT_EQ(XhtmlAttributes("base"), (Strings{"href", "id"}));
    const Strings form = XhtmlAttributes("Form");
    ASSERT_EQ(form.size(), 24u);
    EXPECT_EQ((Strings{form[0], form[1], form[2]}), (Strings{"accept", "accept-charset", "action"}));
    EXPECT_TRUE(XhtmlAttributes("!--").empty());
    EXPECT_TRUE(XhtmlAttributes("").empty());
    EXPECT_TRUE(XhtmlAttributes("foo").empty());
}

TEST(XhtmlCompletionTest, ListMenuItemsAfterALessThanSignAndInsideATag)
{
    // Right after "<": the element names in table order, wherever the "<" stands.
    EXPECT_EQ(ListMenuItems(Text("<").Lines, {1, 0}), XhtmlElementNames());
    EXPECT_EQ(ItemsAtEnd("first line\r\nab<"), XhtmlElementNames());
    // After "<td " the sorted attributes of td.
    EXPECT_EQ(ItemsAtEnd("<td "), CellAttributes);
    EXPECT_EQ(ItemsAtEnd("<table><tr><td class=\"x\" "), CellAttributes);
    // Nothing for an unknown element, a comment, a finished tag, no tag at all.
    EXPECT_TRUE(ItemsAtEnd("<foo ").empty());
    EXPECT_TRUE(ItemsAtEnd("<!-- ").empty());
    EXPECT_TRUE(ItemsAtEnd("<td >x ").empty());
    EXPECT_TRUE(ItemsAtEnd("just words ").empty());
    // A text of one empty line offers nothing, not even after a "<" on a later line.
    TLineStore empty;
    EXPECT_TRUE(ListMenuItems(empty, {0, 0}).empty());
    // The look-back counts from the selection start, not the end of the text.
    Text middle("<td  and more text");
    EXPECT_EQ(ListMenuItems(middle.Lines, {4, 0}), CellAttributes);
    EXPECT_EQ(ListMenuItems(middle.Lines, {1, 0}), XhtmlElementNames());
}

TEST(XhtmlCompletionTest, TagNameRunsFromTheLessThanSignToTheFirstSpace)
{
    EXPECT_EQ(TagNameAtEnd("<td "), "td");
    EXPECT_EQ(TagNameAtEnd("<td colspan=\"2\" rowspan="), "td");
    // No space yet: no name.
    EXPECT_EQ(TagNameAtEnd("<td"), "");
    // A tag over two lines: the break is two characters of the joined text, not a space.
    EXPECT_EQ(TagNameAtEnd("<td\r\nclass "), "td\r\nclass");
    EXPECT_EQ(TagNameAtEnd("<img\r\n  src="), "img\r\n");
    // The nearest ">" ends the search.
    EXPECT_EQ(TagNameAtEnd("<td>text "), "");
    EXPECT_EQ(TagNameAtEnd("<p>x</p> <a "), "a");
}

TEST(XhtmlCompletionTest, LookBackStopsAfter501CharactersOfTheJoinedText)
{
    // The "<" is the 501st character before the caret: found.
    const std::string near = "<td " + std::string(497, 'x');
    Text found(near);
    ASSERT_EQ(near.size(), 501u);
    EXPECT_EQ(TagNameAtCaret(found.Lines, found.End), "td");
    // One further: out of reach.
    EXPECT_EQ(TagNameAtEnd("<td " + std::string(498, 'x')), "");
    // Line breaks count two each.
    std::string lines = "<td ";
    for (int i = 0; i < 99; ++i) lines += "xxx\r\n";
    lines += "x"; // 4 + 99 * 5 + 1 = 500 characters before the caret
    EXPECT_EQ(TagNameAtEnd(lines), "td");
    EXPECT_EQ(TagNameAtEnd("<td " + lines.substr(4) + "xx"), "");
    // The joined text before a position, as the look-back sees it.
    Text j("ab\r\ncd\r\nef");
    EXPECT_EQ(JoinedTextBefore(j.Lines, {1, 2}, 100), "ab\r\ncd\r\ne");
    EXPECT_EQ(JoinedTextBefore(j.Lines, {1, 2}, 4), "d\r\ne");
    EXPECT_EQ(JoinedTextBefore(j.Lines, {0, 1}, 1), "\n");
    EXPECT_EQ(JoinedTextBefore(j.Lines, {0, 0}, 10), "");
}

TEST(XhtmlCompletionTest, TypedSpaceOpensOnlyInsideAnOpeningTag)
{
    EXPECT_TRUE(SpaceOpensAtEnd("<td "));
    EXPECT_TRUE(SpaceOpensAtEnd("<foo ")); // opens, with nothing in it
    for (const char* text : {"<! ", "<!DOCTYPE ", "<% ", "<?xml "}) EXPECT_FALSE(SpaceOpensAtEnd(text)) << text;
    EXPECT_FALSE(SpaceOpensAtEnd("<td>cell "));
    EXPECT_FALSE(SpaceOpensAtEnd("no tag "));
    // A "<" right before the caret looks at the character after it in the text.
    Text rest("a<!b");
    EXPECT_FALSE(SpaceOpensListMenu(rest.Lines, {2, 0}));
    EXPECT_FALSE(SpaceOpensListMenu(rest.Lines, {1, 0}));
    Text open("a<b");
    EXPECT_TRUE(SpaceOpensListMenu(open.Lines, {2, 0}));
    EXPECT_FALSE(SpaceOpensAtEnd("<td " + std::string(498, 'x')));
}
