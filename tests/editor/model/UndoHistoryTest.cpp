// The undo history's bookkeeping over line-store snapshots.
#include "editor/model/UndoHistory.h"

#include "editor/model/LineStore.h"

#include <gtest/gtest.h>

namespace {

struct Snap {
    TLineSnapshot Text;
    int SelStart = 0;
    int SelLength = 0;
};

using History = TUndoHistoryOf<Snap>;

Snap Shot(TLineStore& store, const std::string& text, int selStart = 0)
{
    store.SetText(text);
    return {store.Snapshot(), selStart, 0};
}

} // namespace

TEST(UndoHistory, FlagsFollowTheLength)
{
    TLineStore store;
    History h;
    EXPECT_FALSE(h.CanUndo());
    EXPECT_FALSE(h.CanRedo());
    h.Add(Shot(store, "a"));
    EXPECT_FALSE(h.CanUndo());
    h.Add(Shot(store, "b"));
    EXPECT_TRUE(h.CanUndo());
    EXPECT_FALSE(h.CanRedo());
    h.Clear();
    EXPECT_EQ(h.Count(), 0);
    EXPECT_FALSE(h.CanUndo());
    h.Add(Shot(store, "c"));
    EXPECT_FALSE(h.CanUndo());
}

TEST(UndoHistory, StepsBackAndForwardThroughTargets)
{
    TLineStore store;
    History h;
    h.Add(Shot(store, "one", 1));
    h.Add(Shot(store, "two", 2));
    h.Add(Shot(store, "three", 3));
    EXPECT_EQ(h.UndoTarget().Text[0], "two");
    h.StepBack();
    EXPECT_EQ(h.UndoOffset(), -1);
    EXPECT_TRUE(h.CanUndo());
    EXPECT_TRUE(h.CanRedo());
    EXPECT_EQ(h.UndoTarget().Text[0], "one");
    EXPECT_EQ(h.RedoTarget().Text[0], "three");
    h.StepBack();
    EXPECT_FALSE(h.CanUndo());
    EXPECT_EQ(h.RedoTarget().Text[0], "two");
    EXPECT_EQ(h.RedoTarget().SelStart, 2);
    h.StepForward();
    EXPECT_TRUE(h.CanUndo());
    EXPECT_TRUE(h.CanRedo());
    h.StepForward();
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.UndoOffset(), 0);
}

TEST(UndoHistory, AddAfterTwoUndosDropsTheRedoSteps)
{
    TLineStore store;
    History h;
    for (const char* t : {"a", "b", "c", "d"}) h.Add(Shot(store, t));
    h.StepBack();
    h.StepBack();
    h.Add(Shot(store, "e"));
    EXPECT_EQ(h.Count(), 3); // four, two shorter, plus the new one
    EXPECT_EQ(h[0].Text[0], "a");
    EXPECT_EQ(h[1].Text[0], "b");
    EXPECT_EQ(h[2].Text[0], "e");
    EXPECT_FALSE(h.CanRedo());
    EXPECT_TRUE(h.CanUndo());
    EXPECT_EQ(h.UndoOffset(), 0);
}

TEST(UndoHistory, SnapshotsStayExactWhileTheStoreChanges)
{
    TLineStore store;
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) lines.push_back("line " + std::to_string(i));
    store.Assign(lines);
    History h;
    h.Add({store.Snapshot(), 0, 0});
    store.Set(1500, "changed");
    store.Insert(10, "inserted");
    h.Add({store.Snapshot(), 0, 0});
    store.DeleteRange(0, 2000);
    EXPECT_EQ(h[0].Text.Count(), 3000);
    EXPECT_EQ(h[0].Text[1500], "line 1500");
    EXPECT_EQ(h[0].Text[10], "line 10");
    EXPECT_EQ(h[1].Text.Count(), 3001);
    EXPECT_EQ(h[1].Text[10], "inserted");
    EXPECT_EQ(h[1].Text[1501], "changed");
    store.Restore(h[0].Text);
    EXPECT_EQ(store.ToVector(), lines);
}
