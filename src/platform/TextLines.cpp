#include "platform/TextLines.h"

#include <algorithm>
#include <cstring>

bool TLineSplitter::Feed(std::string_view piece)
{
    if (Ended) return false;
    const char* const data = piece.data();
    size_t n = piece.size();
    if (const void* nul = n ? std::memchr(data, '\0', n) : nullptr) {
        n = size_t(static_cast<const char*>(nul) - data);
        Ended = true;
    }
    size_t start = 0;
    if (n == 0) return !Ended;
    if (AfterCr) {
        AfterCr = false;
        if (data[0] == '\n') start = 1;
    }
    // The next CR and the next LF at or after `start`, each found by memchr and kept until
    // passed, so every byte is searched once for each; n when there is none.
    auto next = [&](char c, size_t from) {
        const void* hit = std::memchr(data + from, c, n - from);
        return hit ? size_t(static_cast<const char*>(hit) - data) : n;
    };
    size_t cr = start < n ? next('\r', start) : n;
    size_t lf = start < n ? next('\n', start) : n;
    while (start < n) {
        if (cr < start) cr = next('\r', start);
        if (lf < start) lf = next('\n', start);
        const size_t end = std::min(cr, lf);
        if (end == n) { // the line goes on in the next piece
            Partial.append(data + start, n - start);
            Started = true;
            break;
        }
        if (Started) {
            Partial.append(data + start, end - start);
            Lines.push_back(std::move(Partial));
            Partial = std::string();
            Started = false;
        } else {
            Lines.emplace_back(data + start, end - start);
        }
        if (end == cr && end + 1 == n) AfterCr = true; // its LF, if any, comes next
        // CR LF is one break; a lone CR or a lone LF (LF CR too: two breaks) is one each.
        start = end == cr && lf == end + 1 ? end + 2 : end + 1;
    }
    return !Ended;
}

std::vector<std::string> TLineSplitter::TakeLines()
{
    if (Started) Lines.push_back(std::move(Partial));
    std::vector<std::string> out = std::move(Lines);
    *this = TLineSplitter();
    return out;
}

std::vector<std::string> SplitLines(std::string_view bytes)
{
    TLineSplitter splitter;
    // One line per LF is exact for LF and CR LF text; lone CRs just grow the list.
    splitter.Reserve(size_t(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    splitter.Feed(bytes);
    return splitter.TakeLines();
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    size_t total = 0;
    for (const std::string& l : lines) total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (const std::string& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}
