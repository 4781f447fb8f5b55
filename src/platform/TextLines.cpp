#include "platform/TextLines.h"

std::vector<std::string> SplitLines(std::string_view bytes)
{
    const size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    std::vector<std::string> lines;
    size_t start = 0;
    const size_t n = bytes.size();
    while (start < n) {
        size_t end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        lines.emplace_back(bytes.substr(start, end - start));
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n') start = end + 2;
        else start = end + 1;
    }
    return lines;
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
