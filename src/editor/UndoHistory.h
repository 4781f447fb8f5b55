#pragma once
// The bookkeeping of the editor's undo history: whole-text snapshots with the selection,
// oldest first, without a size limit, and an offset telling which one matches the current
// text. The snapshots themselves hold the line store's shared chunks, so each costs only the
// lines that changed since the one before it.
//
// The history works on storage its owner keeps (the editor publishes the list, the offset
// and the two flags as its own state), so it is a view over references.
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

template <class TSnapshot>
class TUndoHistoryOf {
public:
    TUndoHistoryOf(std::vector<TSnapshot>& snapshots, int32_t& undoOffset, bool& canUndo, bool& canRedo)
        : Snapshots(snapshots), UndoOffset(undoOffset), CanUndo(canUndo), CanRedo(canRedo)
    {
    }

    int Count() const { return int(Snapshots.size()); }

    // Drops the redo steps, appends `snapshot` and makes it the current one.
    void Add(TSnapshot snapshot)
    {
        if (UndoOffset < 0) Snapshots.resize(Snapshots.size() - std::size_t(-UndoOffset));
        Snapshots.push_back(std::move(snapshot));
        CanUndo = Snapshots.size() > 1;
        CanRedo = false;
        UndoOffset = 0;
    }

    void Clear()
    {
        Snapshots.clear();
        UndoOffset = 0;
        CanUndo = false;
        CanRedo = false;
    }

    // The snapshot an undo restores: the one before the current. Only while CanUndo.
    const TSnapshot& UndoTarget() const { return At(Count() - 2 + UndoOffset); }
    // The snapshot a redo restores: the one after the current. Only while CanRedo.
    const TSnapshot& RedoTarget() const { return At(Count() + UndoOffset); }

    // After an undo's restore: the current snapshot is one step older.
    void StepBack()
    {
        UndoOffset -= 1;
        if (Count() - 2 + UndoOffset < 0) CanUndo = false;
        CanRedo = true;
    }

    // After a redo's restore: one step newer.
    void StepForward()
    {
        UndoOffset += 1;
        if (UndoOffset >= 0) CanRedo = false;
        CanUndo = true;
    }

private:
    const TSnapshot& At(int index) const
    {
        assert(index >= 0 && index < Count());
        return Snapshots[std::size_t(index)];
    }

    std::vector<TSnapshot>& Snapshots;
    int32_t& UndoOffset;
    bool& CanUndo;
    bool& CanRedo;
};
