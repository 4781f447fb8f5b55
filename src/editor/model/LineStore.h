#pragma once
// The editor's text: an ordered list of UTF-8 lines that is never empty. Lengths count
// columns (code points, editor/model/LineLayout.h), a line break as two.
//
// Lines are held in chunks of a few hundred, each behind a shared pointer. A snapshot copies
// only the chunk pointers, so an undo history of any length shares every unchanged line with
// the current text; a chunk is copied the first time it is modified while a snapshot still
// holds it (copy-on-write). Loading builds the chunks directly from the bytes.
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct TLineChunk {
    std::vector<std::string> Lines;
    // The cells of the widest line and the length of the lines with their CR LF in columns, or
    // -1 until asked for; reset by every modification.
    mutable int MaxLength = -1;
    mutable int64_t Joined = -1;
    int LongestLine() const;
    int64_t JoinedLength() const;
};

// An immutable picture of a line store at one moment. Copying it is cheap.
class TLineSnapshot {
public:
    int Count() const { return FCount; }
    const std::string& operator[](int index) const;
    // Every line followed by CR LF.
    std::string Text() const;
    std::vector<std::string> ToVector() const;

private:
    friend class TLineStore;
    std::vector<std::shared_ptr<const TLineChunk>> Chunks;
    std::vector<int> Starts; // index of each chunk's first line
    int FCount = 0;
};

class TLineStore : public QObject {
public:
    TLineStore();
    ~TLineStore() override;
    TLineStore(const TLineStore&) = delete;
    TLineStore& operator=(const TLineStore&) = delete;

    int Count() const { return FCount; }
    const std::string& operator[](int index) const { return Get(index); }
    const std::string& Get(int index) const;
    // The columns of line `index`.
    int Length(int index) const;

    void Set(int index, std::string line);
    void Insert(int index, std::string line); // index may be Count(): appends
    void Add(std::string line) { Insert(FCount, std::move(line)); }
    // Removes one line; removing the only line leaves one empty line.
    void Delete(int index);
    // Inserts `lines` before `index` (0 .. Count()), one notification.
    void InsertLines(int index, std::vector<std::string> lines);
    // Removes `count` lines from `first`, one notification; never leaves the store empty.
    void DeleteRange(int first, int count);
    // One empty line.
    void Clear();
    // Replaces every line by `lines` (an empty list gives one empty line), one notification.
    void Assign(std::vector<std::string> lines);

    // Every line followed by CR LF, the last one too.
    std::string Text() const;
    // Splits `bytes` into lines: a NUL ends the text, a line ends at CR LF, a lone CR or a
    // lone LF, a break at the very end starts no extra line; no line at all gives one empty
    // line. One notification. With `decode`, the bytes are in another encoding than the
    // store's UTF-8 and each line is made UTF-8 by it as it is split, so that no decoded copy
    // of a whole file is made: it writes the line's UTF-8 to `out`, which has room for three
    // bytes a byte, and returns its length.
    using TLineDecoder = size_t (*)(std::string_view line, char* out);
    void SetText(std::string_view bytes, TLineDecoder decode = nullptr);
    std::vector<std::string> ToVector() const;

    // The cells of the widest line (see LineLayout.h), 0 for a text of one empty line.
    int MaxLineLength() const;
    // Length of Text() in columns, its breaks counted as two, without building it.
    int64_t TextLength() const;
    // Offset of the start of `line` in Text(): the sum of (length + 2) over the lines before
    // it. `line` may be Count(). With another `breakLength` a line break counts that many
    // characters instead of CR LF's two.
    int64_t OffsetOf(int line, int breakLength = 2) const;
    // The line whose text or line break holds `offset` (0 <= offset < TextLength()), with the
    // offset of its start; -1 outside the text. Breaks count `breakLength` as above.
    int LineAtOffset(int64_t offset, int64_t& lineStart, int breakLength = 2) const;

    TLineSnapshot Snapshot() const;
    // Whether this store holds the same lines as `snapshot`. Chunks the two still share are
    // the same lines without a look at them, so a text that differs from a snapshot in a few
    // places costs those chunks only.
    bool SameText(const TLineSnapshot& snapshot) const;
    // How many lines at the start (`head`) and at the end (`tail`) this store shares with
    // `snapshot`, the two never overlapping in either: what changed since lies between them.
    // Chunks both still hold are passed over whole, so a small edit in a long text costs only
    // the chunks it touched.
    void CommonEnds(const TLineSnapshot& snapshot, int& head, int& tail) const;
    // Makes this store equal to `snapshot`, one notification.
    void Restore(const TLineSnapshot& snapshot);

    // Notifications between BeginUpdate and the matching EndUpdate are held back and sent
    // once at the end, if anything changed.
    void BeginUpdate();
    void EndUpdate();

    // Called after every modification, with this store as the sender.
    std::function<void(TLineStore* sender)> OnChange;

    // Lines a chunk is built with; a chunk grown to twice this is split.
    static constexpr int ChunkLines = 512;

private:
    struct TLocation {
        int Chunk;
        int Offset;
    };
    TLocation Locate(int index) const;
    // The chunk, copied first if a snapshot shares it.
    TLineChunk& Writable(int chunk);
    void Reindex(int fromChunk);
    void SplitIfLarge(int chunk);
    void BuildFrom(std::vector<std::string>&& lines);
    void Changed();

    std::vector<std::shared_ptr<TLineChunk>> Chunks;
    std::vector<int> Starts;
    int FCount = 0;
    int UpdateCount = 0;
    bool PendingChange = false;
};
