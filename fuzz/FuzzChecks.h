#pragma once
// The properties the fuzz targets check on every input. The same checks replay the seed
// corpora and every input a fuzzer once found failing (fuzz/corpus, fuzz/regressions) in the
// ordinary test run. Each returns "" when the property holds, else what went wrong.
#include <string>
#include <string_view>
#include <vector>

// Lines by the simplest rules there are, one byte at a time: a NUL ends the text; CR LF, a
// lone CR and a lone LF each end a line; a break at the very end starts no extra line.
std::vector<std::string> ReferenceSplit(std::string_view bytes);

// SplitLines (what LoadLines reads) and the editor's line store loading the same bytes both
// give the reference lines; joining them back and reading again changes nothing; the store's
// offsets agree with its joined text.
std::string CheckLineReading(std::string_view bytes);

// A project file named by the first bytes of `input` and holding the rest, in the Projects
// folder under `baseFolder` (emptied first): the name is listed as itself and leads back to
// the file, the file reads as the reference lines, and the two list names it holds are
// written back and read again exactly.
std::string CheckProjectFile(std::string_view input, const std::string& baseFolder);
