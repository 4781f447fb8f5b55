#pragma once
// The bookkeeping of the editor's undo history: whole-text snapshots with the selection,
// oldest first, without a size limit, and an offset telling which one matches the current
// text (0: the newest, -1: the one before it, ...). The snapshots themselves hold the line
// store's shared chunks, so each costs only the lines that changed since the one before it.
// Whether an undo or a redo is possible follows from the list and the offset.
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

template <class TSnapshot>
class TUndoHistoryOf {
public:
    int Count() const { return int(Snapshots.size()); }
    int32_t UndoOffset() const { return Offset; }
    const TSnapshot& operator[](int index) const { return At(index); }

    // An undo needs a snapshot before the current one, a redo one after it.
    bool CanUndo() const { return Count() - 2 + Offset >= 0; }
    bool CanRedo() const { return Offset < 0; }

    // Drops the redo steps, appends `snapshot` and makes it the current one.
    void Add(TSnapshot snapshot)
    {
        if (Offset < 0) Snapshots.resize(Snapshots.size() - std::size_t(-Offset));
        Snapshots.push_back(std::move(snapshot));
        Offset = 0;
    }

    void Clear()
    {
        Snapshots.clear();
        Offset = 0;
    }

    // The snapshot an undo restores: the one before the current. Only while CanUndo.
    const TSnapshot& UndoTarget() const { return At(Count() - 2 + Offset); }
    // The snapshot a redo restores: the one after the current. Only while CanRedo.
    const TSnapshot& RedoTarget() const { return At(Count() + Offset); }

    // After an undo's restore: the current snapshot is one step older.
    void StepBack() { Offset -= 1; }
    // After a redo's restore: one step newer.
    void StepForward() { Offset += 1; }

private:
    const TSnapshot& At(int index) const
    {
        assert(index >= 0 && index < Count());
        return Snapshots[std::size_t(index)];
    }

    std::vector<TSnapshot> Snapshots;
    int32_t Offset = 0;
};
