// The undo history on the real editor: the flags, the sequences of undo and redo with their
// selections, dropping redo steps, the silent cancellations, and snapshots that stay exact.
#include "editor/EditorFixture.h"
#include "FakeServices.h"
#include "app/Program.h"

#include "platform/Application.h"

using L = std::vector<std::string>;

class EditorUndo : public EditorInput {
protected:
    // Sets each text in turn and keeps it as an undo point.
    void Snapshots(std::initializer_list<L> texts)
    {
        for (const L& text : texts) {
            SetLines(text);
            E->AddUndoPoint();
        }
    }
};

TEST_F(EditorUndo, FlagsAfterClearAndSnapshots)
{
    EXPECT_FALSE(E->CanUndo());
    EXPECT_FALSE(E->CanRedo());
    E->ClearUndo();
    E->AddUndoPoint();
    EXPECT_FALSE(E->CanUndo());
    E->AddUndoPoint();
    EXPECT_TRUE(E->CanUndo());
    EXPECT_FALSE(E->CanRedo());
    E->ClearUndo();
    EXPECT_FALSE(E->CanUndo());
    EXPECT_TRUE(E->Document().UndoCount() == 0);
}

TEST_F(EditorUndo, UndoAndRedoWalkTheSnapshotsWithTheirSelections)
{
    SetLines({"alpha"});
    Select({1, 0}, {3, 0});
    E->AddUndoPoint();
    SetLines({"alpha", "beta"});
    Select({0, 1}, {4, 1});
    E->AddUndoPoint();
    SetLines({"gamma"});
    Caret(5, 0);
    E->AddUndoPoint();
    ASSERT_EQ(E->Document().UndoCount(), 3u);

    int changes = 0;
    E->OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &E->Lines());
        ++changes;
    };
    E->Undo();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Lines(), (L{"alpha", "beta"}));
    EXPECT_EQ(E->SelStart(), 7);
    EXPECT_EQ(E->SelLength(), 4);
    EXPECT_EQ(E->GetSelText(), "beta");
    EXPECT_TRUE(E->CanUndo());
    EXPECT_TRUE(E->CanRedo());
    E->Undo();
    EXPECT_EQ(Lines(), (L{"alpha"}));
    EXPECT_EQ(E->GetSelText(), "lp");
    EXPECT_FALSE(E->CanUndo());
    EXPECT_THROW(E->Undo(), ESilentCancel);
    EXPECT_EQ(Lines(), (L{"alpha"}));

    E->Redo();
    EXPECT_EQ(Lines(), (L{"alpha", "beta"}));
    EXPECT_TRUE(E->CanUndo());
    EXPECT_TRUE(E->CanRedo());
    E->Redo();
    EXPECT_EQ(Lines(), (L{"gamma"}));
    EXPECT_EQ(CaretAt(), (TPoint{5, 0}));
    EXPECT_FALSE(E->HasSelection());
    EXPECT_FALSE(E->CanRedo());
    EXPECT_THROW(E->Redo(), ESilentCancel);
    EXPECT_EQ(Lines(), (L{"gamma"}));
}

TEST_F(EditorUndo, NewSnapshotAfterTwoUndosDropsTheRedoSteps)
{
    Snapshots({{"one"}, {"two"}, {"three"}, {"four"}});
    E->Undo();
    E->Undo();
    EXPECT_EQ(Lines(), (L{"two"}));
    EXPECT_TRUE(E->CanRedo());
    Snapshots({{"five"}});
    EXPECT_FALSE(E->CanRedo());
    EXPECT_EQ(E->Document().UndoCount(), 3u);
    EXPECT_EQ(E->Document().UndoOffset(), 0);
    E->Undo();
    EXPECT_EQ(Lines(), (L{"two"}));
    E->Undo();
    EXPECT_EQ(Lines(), (L{"one"}));
}

TEST_F(EditorUndo, EditsSinceTheLastSnapshotAreDiscardedByUndo)
{
    Snapshots({{"base"}});
    Key(Qt::Key_End);
    Type("X");
    E->AddUndoPoint();
    Type("Y"); // no snapshot after this one
    E->Undo();
    EXPECT_EQ(Lines(), (L{"base"}));
    E->Redo();
    EXPECT_EQ(Lines(), (L{"baseX"}));
}

TEST_F(EditorUndo, SnapshotDuringARestoreEndsSilentlyAndTheRestoreCompletes)
{
    Snapshots({{"first"}, {"second"}});
    bool handlerWentOn = false;
    E->OnChange = [&](QObject*) {
        E->AddUndoPoint();
        handlerWentOn = true;
    };
    E->Undo();
    EXPECT_FALSE(handlerWentOn);
    EXPECT_FALSE(E->Document().Restoring());
    EXPECT_EQ(Lines(), (L{"first"}));
    EXPECT_EQ(E->Document().UndoCount(), 2u);
    EXPECT_TRUE(E->CanRedo());
    EXPECT_FALSE(E->CanUndo());
    E->OnChange = nullptr;
    E->Redo();
    EXPECT_EQ(Lines(), (L{"second"}));
}

TEST_F(EditorUndo, SilentCancellationReportsNothing)
{
    std::vector<std::string> reported;
    TestServices().ReportError = [&](const std::string& text) { reported.push_back(text); };
    RunGuarded([&] { E->Undo(); });
    RunGuarded([&] { E->Redo(); });
    TestServices().ReportError = ShowProgramError;
    EXPECT_TRUE(reported.empty());
}

TEST_F(EditorUndo, ReadOnlyUndoDoesNothing)
{
    Snapshots({{"a"}, {"b"}});
    E->Settings().SetReadOnly(true);
    EXPECT_NO_THROW(E->Undo());
    EXPECT_EQ(Lines(), (L{"b"}));
    EXPECT_TRUE(E->CanUndo());
    E->Settings().SetReadOnly(false);
    E->ClearUndo();
    E->Settings().SetReadOnly(true);
    EXPECT_NO_THROW(E->Redo()); // read-only comes first, even with nothing to redo
}

TEST_F(EditorUndo, SnapshotsStayExactAcrossManyEditsOfALargeText)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 5000; ++i) lines.push_back("line " + std::to_string(i));
    Snapshots({lines});
    std::vector<std::vector<std::string>> expected{lines};
    for (int step = 0; step < 5; ++step) {
        Caret(0, 1000 * step + 3);
        Type("x");
        Key(Qt::Key_Return);
        E->AddUndoPoint();
        expected.push_back(Lines());
    }
    for (int step = 4; step >= 0; --step) {
        E->Undo();
        EXPECT_EQ(Lines(), expected[size_t(step)]) << "after undoing to snapshot " << step;
    }
    for (int step = 1; step <= 5; ++step) {
        E->Redo();
        EXPECT_EQ(Lines(), expected[size_t(step)]);
    }
}

TEST_F(EditorUndo, RestoringAShorterTextKeepsTheSelectionInside)
{
    Snapshots({{"x"}});
    SetLines({"a much longer line", "and another", "and a third"});
    Select({2, 0}, {10, 2});
    E->AddUndoPoint();
    E->Undo();
    EXPECT_EQ(Lines(), (L{"x"}));
    EXPECT_EQ(CaretAt(), (TPoint{0, 0}));
    EXPECT_EQ(SelEndAt(), (TPoint{0, 0}));
    const QImage drawn = E->BackingImage().copy();
    E->Repaint();
    EXPECT_TRUE(drawn == E->BackingImage());
}
