#pragma once
// Splitting bytes into lines and joining lines into bytes, by the rules every file of the
// program shares: a NUL byte ends the text; a line ends at CR LF, at a lone CR or at a lone
// LF (LF CR is two breaks); a break at the very end starts no extra line; 0 bytes are no
// lines. Joining writes every line followed by CR LF, the last one too.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> SplitLines(std::string_view bytes);
std::string JoinLines(const std::vector<std::string>& lines);

// The same rules over a text that arrives in pieces (a file read a buffer at a time): a CR
// at the end of one piece and an LF at the start of the next are one break, and a line may
// span any number of pieces.
class TLineSplitter {
public:
    // Takes the next piece; false once a NUL has ended the text (later pieces change nothing).
    bool Feed(std::string_view piece);
    // The lines so far, the unfinished last one included; the splitter starts afresh.
    std::vector<std::string> TakeLines();
    void Reserve(size_t lines) { Lines.reserve(lines); }
    size_t Count() const { return Lines.size(); }
    // Every line so far, the unfinished last one included, handed to `change`.
    template <class F>
    void ForEachLine(F change)
    {
        for (std::string& line : Lines) change(line);
        if (Started) change(Partial);
    }

private:
    std::vector<std::string> Lines;
    std::string Partial;  // the bytes of a line the last piece left unfinished
    bool Started = false; // a line has begun (Partial may still be empty: a piece ended in it)
    bool AfterCr = false; // the last piece ended in CR: an LF first in the next belongs to it
    bool Ended = false;   // a NUL was seen
};
