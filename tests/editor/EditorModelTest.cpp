// The editor's model: construction, positions, settings and their assignment rules,
// properties that do nothing when assigned unchanged, events, metrics, zoom, the ruler's place.
#include "editor/EditorFixture.h"

#include "editor/input/InteractiveListMenu.h"

#include "editor/model/CaretPos.h"
#include "platform/SystemCaret.h"

#include <QTimer>

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>

namespace {
// A ruler that records what the editor asks of it.
class RecordingRuler : public TRulerBase {
public:
    explicit RecordingRuler(QWidget* parent) : TRulerBase(parent) { resize(33, 480); }
    bool ShowsLineNumbers() const override { return Numbers; }
    void RefreshLineNumbers() override { ++Refreshes; }
    bool Numbers = true;
    int Refreshes = 0;
    int Paints = 0;

protected:
    void Paint() override { ++Paints; }
};

// The settings' plain options, read or set in one go.
struct Options {
    TColor BkColor;
    int TabLength;
    bool AutoIndent, AutoEncode, AutoCloseQts;
    TColor HighlightColor, HighlightTextColor;
    bool ShowHiddenChars;
    TColor HiddenCharsColor;
    bool InteractiveFormatting, OverwriteMode;
    int SpeedJump;
    bool ReadOnly, ListMenuHelper, ListMenuHelperAutoPopup, HideHelperOnClick;
    friend bool operator==(const Options&, const Options&) = default;
};

Options OptionsOf(const TTextEditorExSettings& s)
{
    return {s.BkColor(), s.TabLength(), s.AutoIndent(), s.AutoEncode(), s.AutoCloseQts(), s.HighlightColor(),
            s.HighlightTextColor(), s.ShowHiddenChars(), s.HiddenCharsColor(), s.InteractiveFormatting(),
            s.OverwriteMode(), s.SpeedJump(), s.ReadOnly(), s.ListMenuHelper(), s.ListMenuHelperAutoPopup(),
            s.HideHelperOnClick()};
}

void Apply(TTextEditorExSettings& s, const Options& o)
{
    s.SetBkColor(o.BkColor);
    s.SetTabLength(o.TabLength);
    s.SetAutoIndent(o.AutoIndent);
    s.SetAutoEncode(o.AutoEncode);
    s.SetAutoCloseQts(o.AutoCloseQts);
    s.SetHighlightColor(o.HighlightColor);
    s.SetHighlightTextColor(o.HighlightTextColor);
    s.SetShowHiddenChars(o.ShowHiddenChars);
    s.SetHiddenCharsColor(o.HiddenCharsColor);
    s.SetInteractiveFormatting(o.InteractiveFormatting);
    s.SetOverwriteMode(o.OverwriteMode);
    s.SetSpeedJump(o.SpeedJump);
    s.SetReadOnly(o.ReadOnly);
    s.SetListMenuHelper(o.ListMenuHelper);
    s.SetListMenuHelperAutoPopup(o.ListMenuHelperAutoPopup);
    s.SetHideHelperOnClick(o.HideHelperOnClick);
}

void PrintTo(const Options& o, std::ostream* os)
{
    *os << "{BkColor " << o.BkColor << ", TabLength " << o.TabLength << ", AutoIndent " << o.AutoIndent
        << ", AutoEncode " << o.AutoEncode << ", AutoCloseQts " << o.AutoCloseQts << ", HighlightColor "
        << o.HighlightColor << ", HighlightTextColor " << o.HighlightTextColor << ", ShowHiddenChars "
        << o.ShowHiddenChars << ", HiddenCharsColor " << o.HiddenCharsColor << ", InteractiveFormatting "
        << o.InteractiveFormatting << ", OverwriteMode " << o.OverwriteMode << ", SpeedJump " << o.SpeedJump
        << ", ReadOnly " << o.ReadOnly << ", ListMenuHelper " << o.ListMenuHelper << ", ListMenuHelperAutoPopup "
        << o.ListMenuHelperAutoPopup << ", HideHelperOnClick " << o.HideHelperOnClick << "}";
}

// Marks a client pixel; a repaint of the editor paints over it.
void Mark(TTextEditorEx& e) { e.Canvas().SetPixel(e.ClientWidth() - 1, e.ClientHeight() - 1, 0x010203); }
bool Marked(TTextEditorEx& e) { return e.Canvas().GetPixel(e.ClientWidth() - 1, e.ClientHeight() - 1) == 0x010203; }
} // namespace

TEST(CaretPos, SettersCallBackOnlyOnChangeExceptNotify)
{
    std::vector<TPoint> calls;
    TCaretPos p([&](TPoint q) { calls.push_back(q); });
    p.SetX(0);
    p.SetY(0);
    p.SetPoint({0, 0});
    EXPECT_TRUE(calls.empty());
    p.SetX(3);
    p.SetY(2);
    p.SetPoint({5, 6});
    p.SetPointQuiet({7, 7});
    p.SetPointNotify({7, 7});
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0], (TPoint{3, 0}));
    EXPECT_EQ(calls[1], (TPoint{3, 2}));
    EXPECT_EQ(calls[2], (TPoint{5, 6}));
    EXPECT_EQ(calls[3], (TPoint{7, 7}));
    EXPECT_EQ(p.GetPoint(), (TPoint{7, 7}));
    TCaretPos unassigned;
    unassigned.SetPoint({1, 1}); // no callback, no crash
    EXPECT_EQ(unassigned.X(), 1);

    EXPECT_EQ(ComparePos({5, 1}, {0, 2}), -1);
    EXPECT_EQ(ComparePos({2, 3}, {2, 3}), 0);
    EXPECT_EQ(ComparePos({4, 3}, {2, 3}), 1);
}

TEST(EditorModel, NewEditorStartsEmptyWithItsInitialValues)
{
    EditorWindow w;
    TTextEditorEx& e = *w;
    EXPECT_EQ(e.Lines().ToVector(), std::vector<std::string>{""});
    EXPECT_EQ(e.GetCaretPoint(), (TPoint{0, 0}));
    EXPECT_EQ(e.GetSelEndPoint(), (TPoint{0, 0}));
    EXPECT_EQ(e.GetScrollPoint(), (TPoint{0, 0}));
    EXPECT_TRUE(e.Document().UndoCount() == 0);
    EXPECT_FALSE(e.CanUndo());
    EXPECT_FALSE(e.CanRedo());
    EXPECT_FALSE(e.HasSelection());
    EXPECT_EQ(e.MaxLineLength(), 0);
    EXPECT_EQ(e.TextXSpace(), 1);
    EXPECT_EQ(e.TextYSpace(), 0);
    EXPECT_EQ(e.BorderStyle(), bsSingle);
    EXPECT_EQ(e.Ruler(), nullptr);
    EXPECT_EQ(e.FormattingProcessor(), nullptr);
    EXPECT_EQ(e.Font().Name, "Courier New");
    EXPECT_EQ(e.Font().Size(), 12);
    EXPECT_EQ(e.Font().Style, 0u);
    EXPECT_EQ(e.Font().Color, clWindowText);
    EXPECT_TRUE(e.Font().FixedPitch);
    EXPECT_EQ(e.Color(), clWindow);
    EXPECT_EQ(e.cursor().shape(), Qt::IBeamCursor);
    EXPECT_FALSE(e.IsScrolling());
    EXPECT_FALSE(e.ScrollSettleTimer()->isActive());
    EXPECT_EQ(e.ScrollSettleTimer()->interval(), 1000);
    // The horizontal range of an empty text is 0 to -1: no bar.
    EXPECT_TRUE(e.HorzScrollBar()->isHidden());
    EXPECT_TRUE(e.VertScrollBar()->isHidden());

    const TTextEditorExSettings& s = e.Settings();
    EXPECT_EQ(s.TextEditorEx(), &e);
    EXPECT_EQ(OptionsOf(s), (Options{.BkColor = clWindow, .TabLength = 4, .AutoIndent = true, .AutoEncode = true,
                                     .AutoCloseQts = true, .HighlightColor = clHighlight,
                                     .HighlightTextColor = clHighlightText, .ShowHiddenChars = false,
                                     .HiddenCharsColor = clBlack, .InteractiveFormatting = true,
                                     .OverwriteMode = false, .SpeedJump = 150, .ReadOnly = false,
                                     .ListMenuHelper = false, .ListMenuHelperAutoPopup = false,
                                     .HideHelperOnClick = false}));
    // The 35 stop characters, in order, the slash twice.
    const std::string stops = s.ObjStopChars();
    EXPECT_EQ(QString::fromUtf8(stops).size(), 35);
    EXPECT_EQ(stops, std::string("<([{|}])>\"'/\\=+-*/,.:;^~$") + "€" + "¤" + "@" + "§" + "!?%" + "‰" + "#&");

    const TTextEditorExPrintingSettings& p = e.PrintingSettings();
    EXPECT_EQ(p.MarginTop, 500);
    EXPECT_EQ(p.MarginLeft, 250);
    EXPECT_EQ(p.MarginBottom, 500);
    EXPECT_EQ(p.MarginRight, 250);
    EXPECT_FALSE(p.ShowHiddenChars);
    EXPECT_TRUE(p.InteractiveFormatting);
    EXPECT_EQ(p.Header, "");
    EXPECT_EQ(p.Footer, "");
    EXPECT_EQ(p.HeaderMarginTop, 250);
    EXPECT_EQ(p.FooterMarginBottom, 250);

    // The entity tables pair 30 characters each with their entities.
    EXPECT_EQ(e.Entities().LetterChars.size(), 30u);
    EXPECT_EQ(e.Entities().LetterEntities.size(), 30u);
    EXPECT_EQ(e.Entities().SymbolChars.size(), 30u);
    EXPECT_EQ(e.Entities().SymbolEntities.size(), 30u);
    EXPECT_EQ(e.Entities().LetterChars[1], "\xC4");
    EXPECT_EQ(e.Entities().LetterEntities[1], "&Auml;");
    EXPECT_EQ(e.Entities().SymbolChars[20], "\x80");
    EXPECT_EQ(e.Entities().SymbolEntities[20], "&euro;");
}

TEST(EditorModel, CellMetricsAreMeasuredFromTheFontPlusSpacing)
{
    EditorWindow w;
    TCanvas c;
    c.Font = w->Font();
    EXPECT_EQ(w->CharWidth(), c.TextWidth("M") + 1);
    EXPECT_EQ(w->LineHeight(), c.TextHeight("Hj"));
    EXPECT_EQ(w->CharWidth(), 11); // Liberation Mono at 16 px: 10 + 1
    w->SetTextXSpace(3);
    w->SetTextYSpace(2);
    EXPECT_EQ(w->CharWidth(), c.TextWidth("M") + 3);
    EXPECT_EQ(w->LineHeight(), c.TextHeight("Hj") + 2);
    // A new font alone does not measure again.
    TFont big = w->Font();
    big.Height = 30;
    w->SetFont(big);
    EXPECT_EQ(w->CharWidth(), c.TextWidth("M") + 3);
    // The cell grid: column c, line l at ((c - sx) * CW, (l - sy) * LH).
    w->Lines().SetText(std::string(300, 'x') + "\r\n" + std::string(100, '\n'));
    w->SetScrollPoint({4, 7});
    EXPECT_EQ(w->CellPoint({6, 10}), (TPoint{2 * w->CharWidth(), 3 * w->LineHeight()}));
}

TEST(EditorModel, SelectionOrderOffsetsAndLongestLine)
{
    EditorWindow w;
    w->Lines().SetText("abc\r\n\r\nhello\r\nx");
    EXPECT_EQ(w->MaxLineLength(), 5);
    EXPECT_EQ(w->AbsoluteOffset({0, 0}), 0);
    EXPECT_EQ(w->AbsoluteOffset({2, 0}), 2);
    EXPECT_EQ(w->AbsoluteOffset({0, 1}), 5);
    EXPECT_EQ(w->AbsoluteOffset({0, 2}), 7);
    EXPECT_EQ(w->AbsoluteOffset({1, 3}), 15);
    w->PlaceSelectionQuietly({3, 2}, {1, 0});
    TPoint s, e;
    w->GetSelection(s, e);
    EXPECT_EQ(s, (TPoint{1, 0}));
    EXPECT_EQ(e, (TPoint{3, 2}));
    EXPECT_TRUE(w->HasSelection());
}

TEST(EditorModel, PropertiesAssignedUnchangedDoNotRepaint)
{
    EditorWindow w;
    TTextEditorEx& e = *w;
    RecordingRuler ruler(w.Window.get());
    TFormattingProcessor proc;

    auto unchanged = [&](const char* what, const std::function<void()>& assign) {
        Mark(e);
        assign();
        EXPECT_TRUE(Marked(e)) << what << " repainted although unchanged";
    };
    auto changed = [&](const char* what, const std::function<void()>& assign) {
        Mark(e);
        assign();
        EXPECT_FALSE(Marked(e)) << what << " did not repaint";
    };
    unchanged("TextXSpace", [&] { e.SetTextXSpace(1); });
    unchanged("TextYSpace", [&] { e.SetTextYSpace(0); });
    unchanged("BorderStyle", [&] { e.SetBorderStyle(bsSingle); });
    unchanged("FormattingProcessor", [&] { e.SetFormattingProcessor(nullptr); });
    unchanged("Ruler", [&] { e.SetRuler(nullptr); });
    unchanged("BkColor", [&] { e.Settings().SetBkColor(clWindow); });
    changed("TextXSpace", [&] { e.SetTextXSpace(2); });
    changed("TextYSpace", [&] { e.SetTextYSpace(1); });
    changed("FormattingProcessor", [&] { e.SetFormattingProcessor(&proc); });
    changed("BkColor", [&] { e.Settings().SetBkColor(clYellow); });
    EXPECT_EQ(e.Color(), clYellow);
    EXPECT_EQ(e.Canvas().GetPixel(e.ClientWidth() - 1, e.ClientHeight() - 1), clYellow);

    // Spacing repaints an attached ruler, whatever it shows.
    e.SetRuler(&ruler);
    ruler.Numbers = false;
    const int paints = ruler.Paints;
    e.SetTextXSpace(1);
    EXPECT_EQ(ruler.Paints, paints + 1);
    e.SetTextXSpace(1);
    EXPECT_EQ(ruler.Paints, paints + 1);
    e.SetRuler(nullptr);
}

TEST(EditorModel, AssigningSettingsCopiesAllButTheEditor)
{
    EditorWindow a, b;
    TTextEditorExSettings& s = a->Settings();
    // Every option away from its default.
    const Options changed{.BkColor = clAqua, .TabLength = 0, .AutoIndent = false, .AutoEncode = false,
                          .AutoCloseQts = false, .HighlightColor = clRed, .HighlightTextColor = clLime,
                          .ShowHiddenChars = true, .HiddenCharsColor = clGray, .InteractiveFormatting = false,
                          .OverwriteMode = true, .SpeedJump = 100, .ReadOnly = true, .ListMenuHelper = true,
                          .ListMenuHelperAutoPopup = true, .HideHelperOnClick = true};
    s.SetObjStopChars("#");
    Apply(s, changed);

    b->setFocus();
    QCoreApplication::processEvents();
    const QSize caretBefore = SystemCaret::Size();
    TTextEditorExSettings& t = b->Settings();
    t.Assign(s);
    EXPECT_EQ(t.TextEditorEx(), b.Editor);
    EXPECT_EQ(OptionsOf(t), changed);
    EXPECT_EQ(b->Color(), clAqua);
    EXPECT_EQ(t.ObjStopChars(), "#");
    // Overwrite mode is stored without re-creating the caret.
    EXPECT_EQ(SystemCaret::Size(), caretBefore);
}

TEST(EditorModel, ChangeEventCarriesTheLineStore)
{
    EditorWindow w;
    std::vector<QObject*> senders;
    w->OnChange = [&](QObject* sender) { senders.push_back(sender); };
    w->Lines().SetText("a\r\nb");
    w->Lines().Set(1, "c");
    ASSERT_EQ(senders.size(), 2u);
    EXPECT_EQ(senders[0], &w->Lines());
    EXPECT_EQ(senders[1], &w->Lines());
    // The scroll ranges are up to date when the host hears of the change.
    std::string text;
    for (int i = 0; i < 500; ++i) text += "x\r\n";
    int maxSeen = -1;
    w->OnChange = [&](QObject*) { maxSeen = w->VertScrollBar()->maximum(); };
    w->Lines().SetText(text);
    EXPECT_EQ(maxSeen, 499 - (w->ClientHeight() / w->LineHeight() - 1));
    // Clear: one empty line, caret home.
    w->SetCaretPoint({1, 100});
    w->Clear();
    EXPECT_EQ(w->Lines().ToVector(), std::vector<std::string>{""});
    EXPECT_EQ(w->GetCaretPoint(), (TPoint{0, 0}));
    EXPECT_EQ(w->GetScrollPoint(), (TPoint{0, 0}));
}

TEST(EditorModel, ZoomStepsByTwoPointsWithinItsLimits)
{
    EditorWindow w;
    RecordingRuler ruler(w.Window.get());
    w->SetRuler(&ruler);
    std::vector<int> sizes;
    w->OnFontSizeChange = [&](QObject*, int size) { sizes.push_back(size); };
    const int lh12 = w->LineHeight();
    w->ZoomIn();
    EXPECT_EQ(w->Font().Size(), 14);
    EXPECT_GT(w->LineHeight(), lh12);
    EXPECT_EQ(ruler.Refreshes, 1);
    TCanvas c;
    c.Font = w->Font();
    EXPECT_EQ(w->CharWidth(), c.TextWidth("M") + 1);
    EXPECT_EQ(w->Canvas().Font, w->Font());
    for (int i = 0; i < 60; ++i) w->ZoomIn();
    EXPECT_EQ(w->Font().Size(), 100);
    for (int i = 0; i < 60; ++i) w->ZoomOut();
    EXPECT_EQ(w->Font().Size(), 4);
    EXPECT_EQ(sizes.front(), 14);
    EXPECT_EQ(sizes[1], 16);
    EXPECT_EQ(sizes.back(), 4);
    EXPECT_EQ(int(sizes.size()), 1 + 43 + 48); // 12 to 14, 14 to 100, 100 to 4
    w->SetRuler(nullptr);
}

TEST(EditorModel, RulerIsPlacedAtTheLeftAndRefreshedWhenTheFirstLineChanges)
{
    EditorWindow w;
    RecordingRuler ruler(w.Window.get());
    w->setGeometry(50, 20, 200, 150);
    w->SetRuler(&ruler);
    EXPECT_EQ(ruler.geometry(), QRect(50 - 33, 20, 33, 150));
    w->setGeometry(60, 30, 220, 170);
    EXPECT_EQ(ruler.geometry(), QRect(60 - 33, 30, 33, 170));
    w->Lines().SetText(std::string(300, '\n'));
    const int before = ruler.Refreshes;
    w->SetScrollX(2); // the first line stays
    EXPECT_EQ(ruler.Refreshes, before);
    w->SetScrollY(5);
    EXPECT_EQ(ruler.Refreshes, before + 1);
    w->ScrollSettled();
    EXPECT_EQ(ruler.Refreshes, before + 2);
    EXPECT_FALSE(w->IsScrolling());
    w->SetRuler(nullptr);
}

TEST(EditorModel, ContextMenuStaysShutWhileTheCompletionListShows)
{
    EditorWindow w;
    TInteractiveListMenu& list = *w->ListMenu();
    list.setGeometry(20, 20, 50, 50);
    QMenu menu;
    menu.addAction("x");
    w->SetPopupMenu(&menu);
    list.show();
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(w.Editor, &ev);
    EXPECT_TRUE(ev.isAccepted());
    EXPECT_FALSE(menu.isVisible());
    // A caret move under the list hides it.
    w->Lines().SetText("abcdefghij\r\nabcdefghij\r\nabcdefghij");
    const QPoint listInClient = w->View()->mapFrom(w.Editor, list.pos());
    w->SetCaretPoint({listInClient.x() / w->CharWidth() + 1, listInClient.y() / w->LineHeight() + 1});
    EXPECT_FALSE(list.isVisible());
    QContextMenuEvent ev2(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(w.Editor, &ev2);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
}

TEST(EditorModel, HidingTheCompletionListRedrawsTheLinesItCovered)
{
    EditorWindow w;
    std::string text;
    for (int i = 0; i < 30; ++i) text += "line " + std::to_string(i) + "\r\n";
    w->Lines().SetText(text);
    w->Repaint();
    const int lh = w->LineHeight();
    // The list is the editor's child, over rows 3 to 5 of the client area.
    TInteractiveListMenu& list = *w->ListMenu();
    list.setGeometry(w->View()->x() + 40, w->View()->y() + 3 * lh + 2, 60, 2 * lh);
    list.show();
    const QImage full = w->BackingImage().copy();
    // Rows 2 to 7 are redrawn (a line to spare on each side); row 9 is left alone.
    for (int row : {2, 4, 7, 9}) w->Canvas().SetPixel(w->ClientWidth() - 2, row * lh + 1, 0x010203);
    w->HideListMenu();
    EXPECT_FALSE(list.isVisible());
    for (int row : {2, 4, 7}) EXPECT_EQ(w->Canvas().GetPixel(w->ClientWidth() - 2, row * lh + 1), ColorToRGB(clWindow)) << row;
    EXPECT_EQ(w->Canvas().GetPixel(w->ClientWidth() - 2, 9 * lh + 1), TColor(0x010203));
    w->Canvas().SetPixel(w->ClientWidth() - 2, 9 * lh + 1, ColorToRGB(clWindow));
    EXPECT_EQ(DifferentPixels(w->BackingImage(), full), 0);
}

TEST(EditorModel, BorderStylesFrameTheClientArea)
{
    EditorWindow w;
    const QRect outer = w->rect();
    EXPECT_EQ(w->View()->geometry().topLeft(), QPoint(2, 2));
    EXPECT_EQ(w->ClientWidth(), outer.width() - 4);
    QImage img = w->grab().toImage();
    // A sunken edge: shadow outside at the top left, highlight outside at the bottom right.
    EXPECT_EQ(FromQColor(img.pixelColor(5, 0)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(FromQColor(img.pixelColor(0, 5)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(FromQColor(img.pixelColor(5, outer.height() - 1)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(FromQColor(img.pixelColor(outer.width() - 1, 5)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(FromQColor(img.pixelColor(5, outer.height() - 2)), ColorToRGB(clBtnFace));

    w->SetCtl3D(false);
    EXPECT_EQ(w->View()->geometry().topLeft(), QPoint(1, 1));
    img = w->grab().toImage();
    EXPECT_EQ(FromQColor(img.pixelColor(5, 0)), ColorToRGB(clWindowText));
    w->SetBorderStyle(bsNone);
    EXPECT_EQ(w->View()->geometry(), outer);
    EXPECT_EQ(w->ClientWidth(), outer.width());
}
