#pragma once
// Splitting bytes into lines and joining lines into bytes, by the rules every file of the
// program shares: a NUL byte ends the text; a line ends at CR LF, at a lone CR or at a lone
// LF (LF CR is two breaks); a break at the very end starts no extra line; 0 bytes are no
// lines. Joining writes every line followed by CR LF, the last one too.
#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> SplitLines(std::string_view bytes);
std::string JoinLines(const std::vector<std::string>& lines);
