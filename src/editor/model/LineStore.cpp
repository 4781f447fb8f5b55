#include "editor/model/LineStore.h"

#include "editor/model/LineLayout.h"
#include "platform/ByteWords.h"

#include <algorithm>
#include <stdexcept>

namespace {
// The first CR, LF or NUL in [p, end), or end; and with Bound `cells`, MostCells of the
// bytes before it, worked out on the way. Eight bytes at a time: a loaded text is tens of
// megabytes, and a line of Cyrillic or CJK text has two or three bytes a character.
template <bool Bound>
const char* LineEndIn(const char* p, const char* const end, int& cells)
{
    int n = 0;
    while (end - p >= 8) {
        const uint64_t w = ByteWord(p);
        const uint64_t cr = w ^ (ByteOnes * '\r'), lf = w ^ (ByteOnes * '\n');
        // The high bit of each byte that is zero in cr, lf or w; a byte above such a byte may
        // be marked too, so only the lowest mark is sure, and it is the one wanted.
        const uint64_t hit = (((cr - ByteOnes) & ~cr) | ((lf - ByteOnes) & ~lf) | ((w - ByteOnes) & ~w)) & ByteHighs;
        if (hit) {
            // The bytes below the end kept, those from it on zero: a column each, taken off.
            const int k = __builtin_ctzll(hit) >> 3;
            if (Bound) cells = k == 0 ? n : n + MostCellsOfWord(w & (~0ull >> (64 - 8 * k))) - (8 - k);
            return p + k;
        }
        if (Bound) n += MostCellsOfWord(w);
        p += 8;
    }
    for (; p < end && *p != '\r' && *p != '\n' && *p != '\0'; ++p) n += MostCellsOfByte(*p);
    cells = n;
    return p;
}

[[noreturn]] void IndexError(int index)
{
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

// The lines of a chunk list joined, each ended by CR LF; and the lines themselves. Snapshots
// and the store hold their chunks alike.
template <class ChunkList>
std::string JoinedText(const ChunkList& chunks)
{
    size_t total = 0;
    for (const auto& c : chunks)
        for (const std::string& l : c->Lines) total += l.size() + 2;
    std::string out;
    out.reserve(size_t(total));
    for (const auto& c : chunks)
        for (const std::string& l : c->Lines) {
            out += l;
            out += "\r\n";
        }
    return out;
}

template <class ChunkList>
std::vector<std::string> AllLines(const ChunkList& chunks, int count)
{
    std::vector<std::string> out;
    out.reserve(size_t(count));
    for (const auto& c : chunks) out.insert(out.end(), c->Lines.begin(), c->Lines.end());
    return out;
}
} // namespace

namespace {
// The cells of `line` when it is wider than `widest` cells, else `widest`: a line that could
// not be wider is not laid out.
int Widest(int widest, const std::string& line)
{
    if (int(line.size()) <= widest || MostCells(line) <= widest) return widest;
    return std::max(widest, CellCount(line));
}
} // namespace

int TLineChunk::LongestLine() const
{
    if (MaxLength < 0) {
        int m = 0;
        for (const std::string& l : Lines) m = Widest(m, l);
        MaxLength = m;
    }
    return MaxLength;
}

int64_t TLineChunk::JoinedLength() const
{
    if (Joined < 0) {
        int64_t n = 0;
        for (const std::string& l : Lines) n += ColumnCount(l) + 2;
        Joined = n;
    }
    return Joined;
}

// ---- snapshot ----

const std::string& TLineSnapshot::operator[](int index) const
{
    if (index < 0 || index >= FCount) IndexError(index);
    const auto it = std::upper_bound(Starts.begin(), Starts.end(), index);
    const int chunk = int(it - Starts.begin()) - 1;
    return Chunks[chunk]->Lines[index - Starts[chunk]];
}

std::string TLineSnapshot::Text() const { return JoinedText(Chunks); }

std::vector<std::string> TLineSnapshot::ToVector() const { return AllLines(Chunks, FCount); }

// ---- store ----

TLineStore::TLineStore() { BuildFrom({std::string()}); }

TLineStore::~TLineStore() = default;

TLineStore::TLocation TLineStore::Locate(int index) const
{
    const auto it = std::upper_bound(Starts.begin(), Starts.end(), index);
    const int chunk = int(it - Starts.begin()) - 1;
    return {chunk, index - Starts[chunk]};
}

int TLineStore::Length(int index) const { return ColumnCount(Get(index)); }

const std::string& TLineStore::Get(int index) const
{
    if (index < 0 || index >= FCount) IndexError(index);
    const TLocation at = Locate(index);
    return Chunks[at.Chunk]->Lines[at.Offset];
}

TLineChunk& TLineStore::Writable(int chunk)
{
    std::shared_ptr<TLineChunk>& c = Chunks[chunk];
    if (c.use_count() > 1) c = std::make_shared<TLineChunk>(*c);
    c->MaxLength = -1;
    c->Joined = -1;
    return *c;
}

void TLineStore::Reindex(int fromChunk)
{
    Starts.resize(Chunks.size());
    int start = fromChunk > 0 ? Starts[fromChunk - 1] + int(Chunks[fromChunk - 1]->Lines.size()) : 0;
    for (size_t k = size_t(std::max(fromChunk, 0)); k < Chunks.size(); ++k) {
        Starts[k] = start;
        start += int(Chunks[k]->Lines.size());
    }
    FCount = start;
}

void TLineStore::SplitIfLarge(int chunk)
{
    TLineChunk& c = *Chunks[chunk];
    if (int(c.Lines.size()) < 2 * ChunkLines) return;
    auto tail = std::make_shared<TLineChunk>();
    const auto mid = c.Lines.begin() + c.Lines.size() / 2;
    tail->Lines.assign(std::make_move_iterator(mid), std::make_move_iterator(c.Lines.end()));
    c.Lines.erase(mid, c.Lines.end());
    c.MaxLength = -1;
    c.Joined = -1;
    Chunks.insert(Chunks.begin() + chunk + 1, std::move(tail));
}

void TLineStore::BuildFrom(std::vector<std::string>&& lines)
{
    if (lines.empty()) lines.emplace_back();
    Chunks.clear();
    for (size_t i = 0; i < lines.size(); i += ChunkLines) {
        auto c = std::make_shared<TLineChunk>();
        const size_t end = std::min(lines.size(), i + ChunkLines);
        c->Lines.assign(std::make_move_iterator(lines.begin() + i), std::make_move_iterator(lines.begin() + end));
        Chunks.push_back(std::move(c));
    }
    Reindex(0);
}

void TLineStore::Changed()
{
    if (UpdateCount > 0) {
        PendingChange = true;
        return;
    }
    if (OnChange) OnChange(this);
}

void TLineStore::BeginUpdate() { ++UpdateCount; }

void TLineStore::EndUpdate()
{
    if (UpdateCount == 0) return;
    if (--UpdateCount == 0 && PendingChange) {
        PendingChange = false;
        Changed();
    }
}

void TLineStore::Set(int index, std::string line)
{
    if (index < 0 || index >= FCount) IndexError(index);
    const TLocation at = Locate(index);
    Writable(at.Chunk).Lines[at.Offset] = std::move(line);
    Changed();
}

void TLineStore::Insert(int index, std::string line)
{
    if (index < 0 || index > FCount) IndexError(index);
    // Appending goes to the end of the last chunk.
    const TLocation at = index == FCount ? TLocation{int(Chunks.size()) - 1, int(Chunks.back()->Lines.size())}
                                         : Locate(index);
    TLineChunk& c = Writable(at.Chunk);
    c.Lines.insert(c.Lines.begin() + at.Offset, std::move(line));
    SplitIfLarge(at.Chunk);
    Reindex(at.Chunk);
    Changed();
}

void TLineStore::Delete(int index)
{
    if (index < 0 || index >= FCount) IndexError(index);
    if (FCount == 1) {
        BuildFrom({std::string()});
        Changed();
        return;
    }
    const TLocation at = Locate(index);
    TLineChunk& c = Writable(at.Chunk);
    c.Lines.erase(c.Lines.begin() + at.Offset);
    if (c.Lines.empty()) Chunks.erase(Chunks.begin() + at.Chunk);
    Reindex(std::max(at.Chunk - 1, 0));
    Changed();
}

void TLineStore::InsertLines(int index, std::vector<std::string> lines)
{
    if (index < 0 || index > FCount) IndexError(index);
    if (lines.empty()) return;
    if (lines.size() <= size_t(ChunkLines)) {
        const TLocation at = index == FCount
                                 ? TLocation{int(Chunks.size()) - 1, int(Chunks.back()->Lines.size())}
                                 : Locate(index);
        TLineChunk& c = Writable(at.Chunk);
        c.Lines.insert(c.Lines.begin() + at.Offset, std::make_move_iterator(lines.begin()),
                       std::make_move_iterator(lines.end()));
        while (int(Chunks[at.Chunk]->Lines.size()) >= 2 * ChunkLines) SplitIfLarge(at.Chunk);
        Reindex(at.Chunk);
    } else {
        // A large insertion: split the chunk at the point and put whole new chunks between.
        int chunk = int(Chunks.size());
        if (index < FCount) {
            const TLocation at = Locate(index);
            chunk = at.Chunk;
            if (at.Offset > 0) {
                TLineChunk& c = Writable(at.Chunk);
                auto tail = std::make_shared<TLineChunk>();
                tail->Lines.assign(std::make_move_iterator(c.Lines.begin() + at.Offset),
                                   std::make_move_iterator(c.Lines.end()));
                c.Lines.erase(c.Lines.begin() + at.Offset, c.Lines.end());
                Chunks.insert(Chunks.begin() + at.Chunk + 1, std::move(tail));
                chunk = at.Chunk + 1;
            }
        }
        std::vector<std::shared_ptr<TLineChunk>> fresh;
        for (size_t i = 0; i < lines.size(); i += ChunkLines) {
            auto c = std::make_shared<TLineChunk>();
            const size_t end = std::min(lines.size(), i + ChunkLines);
            c->Lines.assign(std::make_move_iterator(lines.begin() + i), std::make_move_iterator(lines.begin() + end));
            fresh.push_back(std::move(c));
        }
        Chunks.insert(Chunks.begin() + chunk, fresh.begin(), fresh.end());
        Reindex(std::max(chunk - 1, 0));
    }
    Changed();
}

void TLineStore::DeleteRange(int first, int count)
{
    if (count <= 0) return;
    if (first < 0 || first >= FCount) IndexError(first);
    if (first + count > FCount) IndexError(first + count - 1);
    if (count == FCount) {
        BuildFrom({std::string()});
        Changed();
        return;
    }
    int remaining = count;
    TLocation at = Locate(first);
    int chunk = at.Chunk;
    int offset = at.Offset;
    while (remaining > 0) {
        const int size = int(Chunks[chunk]->Lines.size());
        const int take = std::min(remaining, size - offset);
        if (offset == 0 && take == size) {
            Chunks.erase(Chunks.begin() + chunk); // a whole chunk goes without being copied
        } else {
            TLineChunk& c = Writable(chunk);
            c.Lines.erase(c.Lines.begin() + offset, c.Lines.begin() + offset + take);
            ++chunk;
        }
        offset = 0;
        remaining -= take;
    }
    Reindex(std::max(at.Chunk - 1, 0));
    Changed();
}

void TLineStore::Clear()
{
    BuildFrom({std::string()});
    Changed();
}

void TLineStore::Assign(std::vector<std::string> lines)
{
    BuildFrom(std::move(lines));
    Changed();
}

std::string TLineStore::Text() const { return JoinedText(Chunks); }

void TLineStore::SetText(std::string_view bytes, TLineDecoder decode)
{
    // Built aside: should memory run out, the text stays as it was.
    std::vector<std::shared_ptr<TLineChunk>> chunks;
    auto chunk = std::make_shared<TLineChunk>();
    chunk->Lines.reserve(ChunkLines);
    // Each chunk's widest line is found as it is built, while its lines are still in the
    // processor's cache: a text of a million lines is not read through a second time.
    chunk->MaxLength = 0;
    std::string decoded;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        int most = 0;
        const char* q = decode ? LineEndIn<false>(p, end, most) : LineEndIn<true>(p, end, most);
        // A NUL ends the text, as the end of the bytes would.
        const bool last = q < end && *q == '\0';
        if (last && q == p) break;
        if (decode) {
            if (decoded.size() < 3 * size_t(q - p)) decoded.resize(3 * size_t(q - p));
            chunk->MaxLength = Widest(chunk->MaxLength, chunk->Lines.emplace_back(
                decoded.data(), decode(std::string_view(p, size_t(q - p)), decoded.data())));
        } else {
            const std::string& line = chunk->Lines.emplace_back(p, size_t(q - p));
            if (most > chunk->MaxLength) chunk->MaxLength = std::max(chunk->MaxLength, CellCount(line));
        }
        if (int(chunk->Lines.size()) == ChunkLines) {
            chunks.push_back(std::move(chunk));
            chunk = std::make_shared<TLineChunk>();
            chunk->Lines.reserve(ChunkLines);
            chunk->MaxLength = 0;
        }
        if (last) break;
        if (q < end && *q == '\r' && q + 1 < end && q[1] == '\n') p = q + 2;
        else p = q + 1;
    }
    if (!chunk->Lines.empty()) chunks.push_back(std::move(chunk));
    if (chunks.empty()) {
        auto one = std::make_shared<TLineChunk>();
        one->Lines.emplace_back();
        chunks.push_back(std::move(one));
    }
    Chunks = std::move(chunks);
    Reindex(0);
    Changed();
}

std::vector<std::string> TLineStore::ToVector() const { return AllLines(Chunks, FCount); }

int TLineStore::MaxLineLength() const
{
    int m = 0;
    for (const auto& c : Chunks) m = std::max(m, c->LongestLine());
    return m;
}

int64_t TLineStore::TextLength() const
{
    int64_t n = 0;
    for (const auto& c : Chunks) n += c->JoinedLength();
    return n;
}

namespace {
// A chunk's lines with their breaks, each break `breakLength` long.
int64_t ChunkLength(const TLineChunk& c, int breakLength)
{
    return c.JoinedLength() - int64_t(2 - breakLength) * int64_t(c.Lines.size());
}
} // namespace

int64_t TLineStore::OffsetOf(int line, int breakLength) const
{
    if (line < 0 || line > FCount) IndexError(line);
    const TLocation at = line == FCount ? TLocation{int(Chunks.size()), 0} : Locate(line);
    int64_t n = 0;
    for (int k = 0; k < at.Chunk; ++k) n += ChunkLength(*Chunks[size_t(k)], breakLength);
    if (at.Chunk == int(Chunks.size())) return n;
    const auto& lines = Chunks[size_t(at.Chunk)]->Lines;
    for (int i = 0; i < at.Offset; ++i) n += ColumnCount(lines[size_t(i)]) + breakLength;
    return n;
}

int TLineStore::LineAtOffset(int64_t offset, int64_t& lineStart, int breakLength) const
{
    if (offset < 0) return -1;
    int64_t start = 0;
    for (size_t k = 0; k < Chunks.size(); ++k) {
        const int64_t length = ChunkLength(*Chunks[k], breakLength);
        if (offset >= start + length) {
            start += length;
            continue;
        }
        const auto& lines = Chunks[k]->Lines;
        for (size_t i = 0; i < lines.size(); ++i) {
            const int64_t len = ColumnCount(lines[i]) + breakLength;
            if (offset < start + len) {
                lineStart = start;
                return Starts[k] + int(i);
            }
            start += len;
        }
    }
    return -1;
}

TLineSnapshot TLineStore::Snapshot() const
{
    TLineSnapshot s;
    s.Chunks.assign(Chunks.begin(), Chunks.end());
    s.Starts = Starts;
    s.FCount = FCount;
    return s;
}

bool TLineStore::SameText(const TLineSnapshot& snapshot) const
{
    if (snapshot.FCount != FCount) return false;
    int head = 0, tail = 0;
    CommonEnds(snapshot, head, tail);
    return head == FCount;
}

void TLineStore::CommonEnds(const TLineSnapshot& snapshot, int& head, int& tail) const
{
    const int most = std::min(FCount, snapshot.FCount);
    // From the start: a chunk both hold at the same line is the same lines, whole.
    head = 0;
    size_t a = 0, b = 0, i = 0, j = 0;
    while (head < most) {
        const std::vector<std::string>& mine = Chunks[a]->Lines;
        const std::vector<std::string>& theirs = snapshot.Chunks[b]->Lines;
        if (i == 0 && j == 0 && Chunks[a] == snapshot.Chunks[b]) {
            head += int(mine.size());
            ++a;
            ++b;
        } else if (i == mine.size()) {
            ++a;
            i = 0;
        } else if (j == theirs.size()) {
            ++b;
            j = 0;
        } else if (mine[i] == theirs[j]) {
            ++i;
            ++j;
            ++head;
        } else {
            break;
        }
    }
    // From the end, back to the head at most; here a chunk passed over whole must also fit in
    // what the head left.
    tail = 0;
    const int room = most - head;
    size_t ra = Chunks.size(), rb = snapshot.Chunks.size(), ri = 0, rj = 0; // lines taken from the back
    while (tail < room) {
        const std::vector<std::string>& mine = Chunks[ra - 1]->Lines;
        const std::vector<std::string>& theirs = snapshot.Chunks[rb - 1]->Lines;
        if (ri == 0 && rj == 0 && Chunks[ra - 1] == snapshot.Chunks[rb - 1] && tail + int(mine.size()) <= room) {
            tail += int(mine.size());
            --ra;
            --rb;
        } else if (ri == mine.size()) {
            --ra;
            ri = 0;
        } else if (rj == theirs.size()) {
            --rb;
            rj = 0;
        } else if (mine[mine.size() - 1 - ri] == theirs[theirs.size() - 1 - rj]) {
            ++ri;
            ++rj;
            ++tail;
        } else {
            break;
        }
    }
}

void TLineStore::Restore(const TLineSnapshot& snapshot)
{
    if (snapshot.FCount == 0) {
        BuildFrom({std::string()});
    } else {
        Chunks.clear();
        Chunks.reserve(snapshot.Chunks.size());
        // The snapshot keeps its reference, so the first write to any of these chunks copies it.
        for (const auto& c : snapshot.Chunks) Chunks.push_back(std::const_pointer_cast<TLineChunk>(c));
        Starts = snapshot.Starts;
        FCount = snapshot.FCount;
    }
    Changed();
}
