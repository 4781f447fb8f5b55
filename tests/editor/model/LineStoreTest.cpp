// The line store: never empty, the joined text, the split rules, change notifications, and
// snapshots that share lines with the live text yet restore exactly.
#include "editor/model/LineStore.h"
#include "platform/TextLines.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> Lines(const TLineStore& s) { return s.ToVector(); }

std::vector<std::string> Numbered(int n, const std::string& prefix = "line ")
{
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) v.push_back(prefix + std::to_string(i));
    return v;
}
} // namespace

TEST(LineStore, NewAndClearedStoreHoldOneEmptyLine)
{
    TLineStore s;
    EXPECT_EQ(Lines(s), std::vector<std::string>{""});
    EXPECT_EQ(s.Text(), "\r\n");
    EXPECT_EQ(s.MaxLineLength(), 0);
    s.Assign({"a", "b"});
    s.Clear();
    EXPECT_EQ(Lines(s), std::vector<std::string>{""});
    s.SetText("");
    EXPECT_EQ(s.Count(), 1);
    s.Assign({});
    EXPECT_EQ(Lines(s), std::vector<std::string>{""});
    s.Delete(0);
    EXPECT_EQ(Lines(s), std::vector<std::string>{""});
    s.Assign({"x", "y"});
    s.DeleteRange(0, 2);
    EXPECT_EQ(Lines(s), std::vector<std::string>{""});
}

TEST(LineStore, SplitRulesMatchTheFileRules)
{
    const std::vector<std::string> cases = {
        "a\r\nb\r\n", "a\rb", "a\nb\n", "a\n\rb", "a\r\n\r\nb", "abc", "\r\n", "\n\n", "a\0b\r\nc",
        std::string("x\r\ny\0z\r\n", 8), std::string("x\r\n\0z", 5), "\r", "a\r", "tail without break", "\n"};
    for (const std::string& c : cases) {
        TLineStore s;
        s.SetText(c);
        std::vector<std::string> want = SplitLines(c);
        if (want.empty()) want.emplace_back();
        EXPECT_EQ(Lines(s), want) << "text: " << c;
    }
    TLineStore s;
    s.SetText(std::string("one\r\ntwo\0three", 13));
    EXPECT_EQ(Lines(s), (std::vector<std::string>{"one", "two"}));
    s.SetText("a\n\rb");
    EXPECT_EQ(Lines(s), (std::vector<std::string>{"a", "", "b"}));
    s.SetText("end\r\n");
    EXPECT_EQ(Lines(s), std::vector<std::string>{"end"});
    EXPECT_EQ(s.Text(), "end\r\n");
}

TEST(LineStore, EditsAcrossChunkBoundariesKeepOrder)
{
    TLineStore s;
    std::vector<std::string> model = Numbered(3000);
    s.Assign(model);
    // Inserts that overflow a chunk and split it.
    for (int i = 0; i < 1500; ++i) {
        const int at = (i * 7) % (int(model.size()) + 1);
        model.insert(model.begin() + at, "ins " + std::to_string(i));
        s.Insert(at, "ins " + std::to_string(i));
    }
    EXPECT_EQ(Lines(s), model);
    // Deletes that empty whole chunks.
    for (int i = 0; i < 2000; ++i) {
        const int at = (i * 13) % int(model.size());
        model.erase(model.begin() + at);
        s.Delete(at);
    }
    EXPECT_EQ(Lines(s), model);
    s.DeleteRange(100, 1200);
    model.erase(model.begin() + 100, model.begin() + 1300);
    EXPECT_EQ(Lines(s), model);
    const std::vector<std::string> bulk = Numbered(1300, "bulk ");
    s.InsertLines(37, bulk);
    model.insert(model.begin() + 37, bulk.begin(), bulk.end());
    EXPECT_EQ(Lines(s), model);
    s.InsertLines(s.Count(), {"last"});
    model.push_back("last");
    s.Set(5, "five");
    model[5] = "five";
    EXPECT_EQ(Lines(s), model);
    for (int i = 0; i < s.Count(); i += 97) EXPECT_EQ(s[i], model[size_t(i)]);
    EXPECT_THROW(s.Get(s.Count()), std::out_of_range);
    EXPECT_THROW(s.Get(-1), std::out_of_range);
    EXPECT_THROW(s.Insert(s.Count() + 1, ""), std::out_of_range);
}

TEST(LineStore, EveryModificationNotifiesWithTheStoreAsSender)
{
    TLineStore s;
    std::vector<TLineStore*> senders;
    s.OnChange = [&](TLineStore* sender) { senders.push_back(sender); };
    s.SetText("a\r\nb");
    s.Set(0, "A");
    s.Insert(1, "mid");
    s.Add("end");
    s.Delete(0);
    s.InsertLines(0, {"p", "q"});
    s.DeleteRange(0, 2);
    s.Clear();
    const TLineSnapshot snap = s.Snapshot();
    s.Restore(snap);
    EXPECT_EQ(senders.size(), 9u);
    for (TLineStore* p : senders) EXPECT_EQ(p, &s);

    senders.clear();
    s.BeginUpdate();
    s.Add("1");
    s.Add("2");
    EXPECT_TRUE(senders.empty());
    s.EndUpdate();
    EXPECT_EQ(senders.size(), 1u);
    s.BeginUpdate();
    s.EndUpdate();
    EXPECT_EQ(senders.size(), 1u); // nothing changed, nothing told
}

TEST(LineStore, SnapshotsStayAsTakenWhileTheTextChanges)
{
    TLineStore s;
    s.Assign(Numbered(5000));
    const TLineSnapshot before = s.Snapshot();
    const std::string beforeText = s.Text();
    s.Set(10, "changed");
    s.Insert(2500, "inserted");
    s.DeleteRange(4000, 600);
    EXPECT_EQ(before.Text(), beforeText);
    EXPECT_EQ(before.Count(), 5000);
    EXPECT_EQ(before[10], "line 10");

    const TLineSnapshot after = s.Snapshot();
    const std::vector<std::string> afterLines = Lines(s);
    s.Restore(before);
    EXPECT_EQ(s.Text(), beforeText);
    // Writing to a restored store must not reach back into the snapshot it came from.
    s.Set(0, "again");
    EXPECT_EQ(before[0], "line 0");
    s.Restore(after);
    EXPECT_EQ(Lines(s), afterLines);
    EXPECT_EQ(after.ToVector(), afterLines);
}

TEST(LineStore, SameTextAsASnapshotIsTheJoinedTextsBeingEqual)
{
    // Edits that split, empty and copy chunks, every fifth one back to the snapshot's text by
    // other chunks than the snapshot's; the joined texts are the oracle.
    TLineStore s;
    s.Assign(Numbered(2000));
    const TLineSnapshot saved = s.Snapshot();
    const std::string savedText = s.Text();
    for (int i = 0; i < 80; ++i) {
        const int at = (i * 389) % s.Count();
        switch (i % 5) {
        case 0: s.InsertLines(at, Numbered(700, "new ")); break;
        case 1: s.DeleteRange(at, std::min(700, s.Count() - at)); break;
        case 2: s.Set(at, s[at] + "!"); break;
        case 3: s.Set(at, s[at]); break;
        default:
            s.Restore(saved);
            s.InsertLines(at % 2000, Numbered(700, "gone "));
            s.DeleteRange(at % 2000, 700);
        }
        EXPECT_EQ(s.SameText(saved), s.Text() == savedText) << "edit " << i;
    }
}

TEST(LineStore, LongestLineFollowsEdits)
{
    TLineStore s;
    s.Assign(Numbered(2000));
    EXPECT_EQ(s.MaxLineLength(), 9); // "line 1999"
    s.Set(1500, std::string(40, 'x'));
    EXPECT_EQ(s.MaxLineLength(), 40);
    const TLineSnapshot snap = s.Snapshot();
    s.Delete(1500);
    EXPECT_EQ(s.MaxLineLength(), 9);
    s.Restore(snap);
    EXPECT_EQ(s.MaxLineLength(), 40);
}

TEST(LineStore, OffsetsAgreeWithTheJoinedText)
{
    TLineStore s;
    s.Assign(Numbered(3000));
    s.Set(700, "");
    s.Insert(1200, std::string(90, 'q'));
    s.DeleteRange(2000, 300);
    const TLineSnapshot snap = s.Snapshot();
    s.Set(5, "after the snapshot");
    for (int round = 0; round < 2; ++round) {
        const std::string text = s.Text();
        EXPECT_EQ(s.TextLength(), int64_t(text.size()));
        int64_t start = 0;
        for (int i = 0; i <= s.Count(); ++i) {
            if (i % 37 == 0 || i == s.Count()) EXPECT_EQ(s.OffsetOf(i), start) << i;
            if (i == s.Count()) break;
            int64_t at = -1;
            // The line's first character and the second byte of its break both belong to it.
            EXPECT_EQ(s.LineAtOffset(start, at), i);
            EXPECT_EQ(at, start);
            const int64_t len = s.Length(i);
            EXPECT_EQ(s.LineAtOffset(start + len + 1, at), i);
            start += len + 2;
        }
        int64_t unused = 0;
        EXPECT_EQ(s.LineAtOffset(s.TextLength(), unused), -1);
        EXPECT_EQ(s.LineAtOffset(-1, unused), -1);
        s.Restore(snap);
    }
}
