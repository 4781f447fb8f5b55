#include "editor/model/XhtmlCompletion.h"

#include "editor/model/LineStore.h"
#include "platform/Utf8.h"
#include "platform/Win1252.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace {

// The attributes nearly every element shares.
constexpr std::string_view Common = "lang&xml:lang&dir&id&class&style&title&onclick&ondblclick&onmousedown&"
                                    "onmouseup&onmouseover&onmousemove&onmouseout&onkeypress&onkeydown&onkeyup";

struct TTagRow {
    const char* Name;
    bool WithCommon; // the shared run first, then Extra
    const char* Extra;
};

// In the order the element list shows them.
constexpr TTagRow TagRows[] = {
    {"html", false, "lang&xml:lang&dir&id&xmlns"},
    {"head", false, "lang&xml:lang&dir&id&profile"},
    {"title", false, "lang&xml:lang&dir&id"},
    {"base", false, "href&id"},
    {"meta", false, "lang&xml:lang&dir&id&http-equiv&name&content&scheme"},
    {"link", true, "charset&href&hreflang&type&rel&rev&media"},
    {"style", false, "lang&xml:lang&dir&id&type&media&title"},
    {"script", false, "id&charset&type&src&defer"},
    {"noscript", true, ""},
    {"body", true, "onload&onunload"},
    {"div", true, ""},
    {"p", true, ""},
    {"h1", true, ""},
    {"h2", true, ""},
    {"h3", true, ""},
    {"h4", true, ""},
    {"h5", true, ""},
    {"h6", true, ""},
    {"ul", true, ""},
    {"ol", true, ""},
    {"li", true, ""},
    {"dl", true, ""},
    {"dt", true, ""},
    {"dd", true, ""},
    {"address", true, ""},
    {"hr", true, ""},
    {"pre", true, ""},
    {"blockquote", true, "cite"},
    {"ins", true, "cite&datetime"},
    {"del", true, "cite&datetime"},
    {"a", true,
     "accesskey&tabindex&onfocus&onblur&charset&type&name&href&hreflang&rel&rev&shape&coords"},
    {"span", true, ""},
    {"bdo", false,
     "id&class&style&title&onclick&ondblclick&onmousedown&onmouseup&onmouseover&onmousemove&onmouseout&"
     "onkeypress&onkeydown&onkeyup&lang&xml:lang&dir"},
    {"br", false, "id&class&style&title"},
    {"em", true, ""},
    {"strong", true, ""},
    {"dfn", true, ""},
    {"code", true, ""},
    {"samp", true, ""},
    {"kbd", true, ""},
    {"var", true, ""},
    {"cite", true, ""},
    {"abbr", true, ""},
    {"acronym", true, ""},
    {"q", true, "cite"},
    {"sub", true, ""},
    {"sup", true, ""},
    {"tt", true, ""},
    {"i", true, ""},
    {"b", true, ""},
    {"big", true, ""},
    {"small", true, ""},
    {"object", true,
     "declare&classid&codebase&data&type&codetype&archive&standby&height&width&usemap&name&tabindex"},
    {"param", false, "id&name&value&valuetype&type"},
    {"img", true, "src&alt&longdesc&height&width&usemap&ismap"},
    {"map", false,
     "lang&xml:lang&dir&onclick&ondblclick&onmousedown&onmouseup&onmouseover&onmousemove&onmouseout&"
     "onkeypress&onkeydown&onkeyup&id&class&style&title&name"},
    {"area", true, "accesskey&tabindex&onfocus&onblur&shape&coords&href&nohref&alt"},
    {"form", true, "action&method&enctype&onsubmit&onreset&accept&accept-charset"},
    {"label", true, "for&accesskey&onfocus&onblur"},
    {"input", true,
     "accesskey&tabindex&onfocus&onblur&type&name&value&checked&disabled&readonly&size&maxlength&src&alt&"
     "usemap&onselect&onchange&accept"},
    {"select", true, "name&size&multiple&disabled&tabindex&onfocus&onblur&onchange"},
    {"optgroup", true, "disabled&label"},
    {"option", true, "selected&disabled&label&value"},
    {"textarea", true,
     "accesskey&tabindex&onfocus&onblur&name&rows&cols&disabled&readonly&onselect&onchange"},
    {"fieldset", true, ""},
    {"legend", true, "accesskey"},
    {"button", true, "accesskey&tabindex&onfocus&onblur&name&value&type&disabled"},
    {"table", true, "summary&width&border&frame&rules&cellspacing&cellpadding"},
    {"caption", true, ""},
    {"thead", true, "%cellhalign&%cellvalign"},
    {"tfoot", true, "%cellhalign&%cellvalign"},
    {"tbody", true, "%cellhalign&%cellvalign"},
    {"colgroup", true, "span&width&%cellhalign&%cellvalign"},
    {"col", true, "span&width&%cellhalign&%cellvalign"},
    {"tr", true, "%cellhalign&%cellvalign"},
    {"th", true, "%cellhalign&%cellvalign&abbr&axis&headers&scope&rowspan&colspan"},
    {"td", true, "%cellhalign&%cellvalign&abbr&axis&headers&scope&rowspan&colspan"},
    {"!--", false, ""},
};

std::vector<std::string> BuildTags()
{
    std::vector<std::string> rows;
    for (const TTagRow& r : TagRows) {
        std::string row = std::string(r.Name) + "=";
        if (r.WithCommon) {
            row += Common;
            if (*r.Extra) row += "&";
        }
        row += r.Extra;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> SplitAt(const std::string& s, char sep)
{
    std::vector<std::string> parts;
    size_t from = 0;
    for (;;) {
        const size_t at = s.find(sep, from);
        parts.push_back(s.substr(from, at - from));
        if (at == std::string::npos) break;
        from = at + 1;
    }
    return parts;
}

} // namespace

const std::vector<std::string>& XhtmlTags()
{
    static const std::vector<std::string> tags = BuildTags();
    return tags;
}

std::vector<std::string> XhtmlElementNames()
{
    std::vector<std::string> names;
    for (const std::string& row : XhtmlTags()) names.push_back(row.substr(0, row.find('=')));
    return names;
}

std::vector<std::string> XhtmlAttributes(const std::string& element)
{
    if (element.empty() || element == "!--") return {};
    for (const std::string& row : XhtmlTags()) {
        const size_t eq = row.find('=');
        if (!AnsiSameText(row.substr(0, eq), element)) continue;
        std::vector<std::string> attributes = SplitAt(row.substr(eq + 1), '&');
        QCollator collator{QLocale::system()};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(attributes.begin(), attributes.end(), [&](const std::string& a, const std::string& b) {
            return collator.compare(QStringFromUtf8(a), QStringFromUtf8(b)) < 0;
        });
        return attributes;
    }
    return {};
}

std::string JoinedTextBefore(const TLineStore& lines, TPoint p, int count)
{
    // Collected backwards, nearest character first, then turned round.
    std::string out;
    int y = std::min(p.Y, lines.Count() - 1);
    int x = y == p.Y ? std::min(p.X, lines.Length(y)) : lines.Length(y);
    while (int(out.size()) < count && y >= 0) {
        const std::string& line = lines[y];
        for (int i = x - 1; i >= 0 && int(out.size()) < count; --i) out += line[size_t(i)];
        if (--y < 0) break;
        for (const char c : {'\n', '\r'})
            if (int(out.size()) < count) out += c;
        x = lines.Length(y);
    }
    std::reverse(out.begin(), out.end());
    return out;
}

std::string TagNameAtCaret(const TLineStore& lines, TPoint selStart)
{
    const std::string before = JoinedTextBefore(lines, selStart, XhtmlLookBack);
    for (size_t i = before.size(); i-- > 0;) {
        if (before[i] == '>') return {};
        if (before[i] == '<') {
            const size_t space = before.find(' ', i + 1);
            if (space == std::string::npos) return {};
            return before.substr(i + 1, space - i - 1);
        }
    }
    return {};
}

std::vector<std::string> ListMenuItems(const TLineStore& lines, TPoint selStart)
{
    if (lines.TextLength() <= 2) return {};
    if (JoinedTextBefore(lines, selStart, 1) == "<") return XhtmlElementNames();
    return XhtmlAttributes(TagNameAtCaret(lines, selStart));
}

bool SpaceOpensListMenu(const TLineStore& lines, TPoint caret)
{
    const std::string before = JoinedTextBefore(lines, caret, XhtmlLookBack);
    for (size_t i = before.size(); i-- > 0;) {
        if (before[i] == '>') return false;
        if (before[i] == '<') {
            // The character after the "<" is the caret's own when the "<" is the last one.
            const char next = i + 1 < before.size() ? before[i + 1]
                                                    : (caret.X < lines.Length(caret.Y) ? lines[caret.Y][size_t(caret.X)] : '\r');
            return next != '!' && next != '%' && next != '?';
        }
    }
    return false;
}
