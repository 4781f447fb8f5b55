// The colour dialog on the real window: layout, the views following one current colour,
// the pop-up menus, the custom colours and their file, and Execute with Enter, Esc and the
// close box.
#include "colordlg/ColorModel.h"
#include "colordlg/CustomColorsFile.h"
#include "colordlg/HexColorDialog.h"
#include "colordlg/hexcolorWin.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "FakeServices.h"
#include "app/Program.h"
#include "WriteFaults.h"

#include "Accessible.h"
#include "ModalHelper.h"
#include "SoundLog.h"
#include "TempFolder.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct DialogHost {
    TempFolder Dir;
    std::unique_ptr<Thexcolor> W;
    explicit DialogHost(const char* fileBytes = nullptr)
    {
        if (fileBytes) Dir.Write("CustomColors.dat", fileBytes);
        W = std::make_unique<Thexcolor>(nullptr, Dir / "CustomColors.dat");
        W->show();
        QApplication::setActiveWindow(W.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(W.get()));
    }
    std::string File() const { return Dir.Read("CustomColors.dat"); }
    QStringList Items() const
    {
        QStringList out;
        for (int i = 0; i < W->CustomColors->count(); ++i) out << W->CustomColors->item(i)->text();
        return out;
    }
    QString Selected() const
    {
        const auto s = W->CustomColors->selectedItems();
        return s.isEmpty() ? QString() : s.first()->text();
    }
    QAction* Action(QMenu* menu, const QString& text) const
    {
        for (QAction* a : menu->findChildren<QAction*>())
            if (a->text() == text) return a;
        ADD_FAILURE() << "no entry " << text.toStdString();
        return nullptr;
    }
    void TypeCode(const char* keys) { QTest::keyClicks(W->vhex, keys); }
};

QRect Geometry(QWidget* w) { return w->geometry(); }
} // namespace

TEST(hexcolorWin, WindowAndRightColumnLayout)
{
    DialogHost h;
    EXPECT_EQ(h.W->objectName(), "hexcolor");
    EXPECT_EQ(h.W->size(), QSize(623, 501));
    EXPECT_EQ(h.W->windowTitle(), "Färg");
    EXPECT_EQ(h.W->minimumSize(), h.W->maximumSize());
    EXPECT_FALSE(h.W->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(h.W->windowFlags() & Qt::WindowMaximizeButtonHint);
    // Every control's geometry, the pages' controls included.
    const std::pair<QWidget*, QRect> designed[] = {
        {h.W->btnInsert, QRect(535, 32, 75, 25)},
        {h.W->btnCopy, QRect(535, 64, 75, 25)},
        {h.W->btnMore, QRect(535, 96, 75, 25)},
        {h.W->btnClose, QRect(535, 128, 75, 25)},
        {h.W->realcolor, QRect(535, 176, 75, 49)},
        {h.W->Bevel1, QRect(535, 176, 75, 49)},
        {h.W->vhex, QRect(535, 232, 75, 15)},
        {h.W->PageControl1, QRect(8, 8, 512, 321)},
        {h.W->TabControl1, QRect(8, 344, 513, 145)},
        {h.W->Panel2, QRect(16, 16, 481, 113)},
        {h.W->ColorMap, QRect(8, 24, 488, 30)},
        {h.W->ColorBrightness, QRect(8, 80, 488, 201)},
        {h.W->CurrentHover, QRect(416, 0, 78, 13)},
        {h.W->WebSafePal1, QRect(12, 15, 482, 263)},
        {h.W->cst2, QRect(16, 224, 473, 57)},
        {h.W->SaveCustom, QRect(26, 24, 197, 21)},
        {h.W->DelCustom, QRect(250, 24, 197, 21)},
        {h.W->sRed, QRect(56, 23, 374, 28)},
        {h.W->sGreen, QRect(56, 47, 374, 28)},
        {h.W->sBlue, QRect(56, 71, 374, 28)},
        {h.W->vred, QRect(440, 27, 27, 21)},
        {h.W->vgreen, QRect(440, 51, 27, 21)},
        {h.W->vblue, QRect(440, 75, 27, 21)},
    };
    for (const auto& [widget, geometry] : designed)
        EXPECT_EQ(widget->geometry(), geometry) << widget->objectName().toStdString();
    EXPECT_EQ(h.W->btnInsert->text(), "&Infoga kod");
    EXPECT_EQ(h.W->btnCopy->text(), "&Kopiera kod");
    EXPECT_EQ(h.W->btnMore->text(), "&WCP...");
    EXPECT_EQ(h.W->btnClose->text(), "&Stäng");
    EXPECT_TRUE(h.W->btnInsert->isDefault());
    EXPECT_EQ(h.W->vhex->alignment(), Qt::AlignCenter);
    EXPECT_FALSE(h.W->vhex->hasFrame());
    EXPECT_EQ(h.W->PageControl1->currentWidget(), h.W->ColMap);
    EXPECT_EQ(h.W->PageControl1->tabText(0), "Färgkarta");
    EXPECT_EQ(h.W->PageControl1->tabText(1), "Webbfärger");
    EXPECT_EQ(h.W->PageControl1->tabText(2), "Anpassade färger");
    EXPECT_EQ(h.W->btnInsert->property("hint").toString(), "|Infogar den hexadecimala färgkoden.");
    EXPECT_EQ(h.W->btnInsert->toolTip(), "Infogar den hexadecimala färgkoden.");
    EXPECT_EQ(h.W->vgreen->property("hint").toString(), "|Anger färgens värde för grönt.");
    EXPECT_EQ(h.W->sGreen->toolTip(), "Anger färgens värde för grönt.");
    EXPECT_EQ(h.W->ColorBrightness->toolTip(), "Anger färgens ljusstyrka och mättnad.");
}

TEST(hexcolorWin, PagesAndRgbGroupLayout)
{
    DialogHost h;
    EXPECT_EQ(h.W->ColorMap->MapDimension(), md1D);
    EXPECT_EQ(h.W->ColorBrightness->MapDimension(), md2D);
    EXPECT_EQ(h.W->Label8->pos(), QPoint(8, 8));
    EXPECT_EQ(h.W->Label4->pos(), QPoint(8, 64));
    EXPECT_EQ(h.W->OriginalColorLabel->pos(), QPoint(74, 64));
    EXPECT_EQ(h.W->Label9->pos(), QPoint(136, 64));
    EXPECT_EQ(h.W->Label12->pos(), QPoint(232, 64));
    EXPECT_EQ(h.W->WavelengthLabel->geometry().right() + 1, 65);
    EXPECT_EQ(h.W->BrightnessLabel->geometry().right() + 1, 208);
    EXPECT_EQ(h.W->GraynessLabel->geometry().right() + 1, 298);
    EXPECT_EQ(h.W->lblIsRendering->geometry().right() + 1, 495);
    EXPECT_EQ(h.W->lblIsRendering->text(), "Renderar...");
    EXPECT_TRUE(h.W->lblIsRendering->isHidden());
    EXPECT_EQ(h.W->WebSafePal1->Cols(), 24);
    // Anchored on all sides: its distances to the page's edges are the designed ones (a page
    // of 504 x 293).
    const QRect list = Geometry(h.W->CustomColors);
    EXPECT_EQ(list.topLeft(), QPoint(16, 16));
    EXPECT_EQ(h.W->ColOwn->width() - (list.x() + list.width()), 504 - 488);
    EXPECT_EQ(h.W->ColOwn->height() - (list.y() + list.height()), 293 - 209);
    EXPECT_EQ(h.W->cst2->title(), "Lägg till/ta bort");
    EXPECT_EQ(h.W->DelCustom->text(), "&Ta bort markerad anpassad färg");
    EXPECT_EQ(h.W->Panel2->title(), "RGB");
    EXPECT_EQ(h.W->Label2->text(), "&Grön:");
    EXPECT_EQ(h.W->Label2->buddy(), h.W->sGreen);
    EXPECT_EQ(h.W->Label1->geometry().right() + 1, 42);
    EXPECT_EQ(h.W->sRed->pageStep(), 51);
    EXPECT_EQ(h.W->sRed->tickInterval(), 51);
    EXPECT_EQ(h.W->sRed->maximum(), 255);
    EXPECT_EQ(h.W->vred->maxLength(), 3);
    EXPECT_EQ(h.W->vred->Max, 255);
}

TEST(hexcolorWin, TabOrderAndFocusOnActivation)
{
    DialogHost h;
    EXPECT_TRUE(h.W->vhex->hasFocus());
    EXPECT_EQ(h.W->vhex->selectedText(), h.W->vhex->text());
    const std::vector<QWidget*> chain = {h.W->btnInsert, h.W->btnCopy, h.W->btnMore, h.W->btnClose, h.W->vhex,
                                         h.W->sRed,      h.W->sGreen,  h.W->sBlue,   h.W->vred,     h.W->vgreen,
                                         h.W->vblue};
    h.W->btnInsert->setFocus();
    for (size_t i = 0; i + 1 < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), chain[i + 1]) << chain[i + 1]->objectName().toStdString();
    }
}

TEST(hexcolorWin, OpeningStateOfStripFieldAndLabels)
{
    DialogHost h;
    EXPECT_EQ(h.W->ColorMap->CurrentPoint(), (TPoint{1, 1}));
    EXPECT_EQ(h.W->ColorBrightness->CurrentPoint(), (TPoint{0, 0}));
    EXPECT_EQ(h.W->ColorBrightness->OriginalColor(), RGB(255, 0, 0));
    EXPECT_EQ(h.W->WavelengthLabel->text(), "0");
    EXPECT_EQ(h.W->OriginalColorLabel->text(), "#000000");
    EXPECT_EQ(h.W->BrightnessLabel->text(), "0");
    EXPECT_EQ(h.W->GraynessLabel->text(), "0");
    // The field shows red's field with its point marker at the black top-left corner.
    EXPECT_EQ(h.W->ColorBrightness->Canvas().GetPixel(0, 0), clWhite);
    EXPECT_EQ(h.W->ColorBrightness->Canvas().GetPixel(244, 0), RGB(255, 0, 0));
}

TEST(hexcolorWin, CurrentColourShownInEveryView)
{
    DialogHost h("#FF0000\r\n");
    h.W->SetCurrentColor(RGB(18, 52, 86));
    EXPECT_EQ(h.W->vhex->text(), "#123456");
    EXPECT_EQ(h.W->vred->text(), "18");
    EXPECT_EQ(h.W->vgreen->text(), "52");
    EXPECT_EQ(h.W->vblue->text(), "86");
    EXPECT_EQ(h.W->sRed->value(), 18);
    EXPECT_EQ(h.W->sGreen->value(), 52);
    EXPECT_EQ(h.W->sBlue->value(), 86);
    EXPECT_EQ(h.W->realcolor->Color(), RGB(18, 52, 86));
    EXPECT_TRUE(h.W->SaveCustom->isEnabled());
    EXPECT_EQ(h.W->SaveCustom->text(), "L&ägg till aktuell färg: #123456");
    EXPECT_FALSE(h.W->DelCustom->isEnabled());
    EXPECT_FALSE(h.W->Updating());
    // Swatch pixels.
    const QImage shot = h.W->realcolor->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(30, 20)), QColor(18, 52, 86));
}

TEST(hexcolorWin, CodeChangesTheColourOnlyAtTheSeventhCharacter)
{
    DialogHost h;
    h.W->SetCurrentColor(RGB(1, 2, 3));
    h.W->vhex->selectAll();
    h.TypeCode("#12345");
    EXPECT_EQ(h.W->CurrentColor(), RGB(1, 2, 3));
    EXPECT_EQ(h.W->vred->text(), "1");
    h.TypeCode("6");
    EXPECT_EQ(h.W->CurrentColor(), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(h.W->vgreen->text(), "52");
    // A non-hexadecimal seventh character: nothing changes, nothing is said.
    SoundLog sounds;
    QTest::keyClick(h.W->vhex, Qt::Key_Backspace);
    h.TypeCode("G");
    EXPECT_EQ(h.W->vhex->text(), "#12345G");
    EXPECT_EQ(h.W->CurrentColor(), RGB(0x12, 0x34, 0x56));
    EXPECT_TRUE(sounds.Played.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Lower case is taken and shown in upper case.
    h.W->vhex->selectAll();
    h.TypeCode("#ff8000");
    EXPECT_EQ(h.W->CurrentColor(), RGB(255, 128, 0));
    EXPECT_EQ(h.W->vhex->text(), "#FF8000");
}

TEST(hexcolorWin, PastedCodeWithLineBreakIsTaken)
{
    DialogHost h;
    ClipboardSetText("#654321\r\n");
    h.W->vhex->selectAll();
    h.W->vhex->paste();
    EXPECT_EQ(h.W->vhex->text(), "#654321");
    EXPECT_EQ(h.W->CurrentColor(), RGB(0x65, 0x43, 0x21));
}

TEST(hexcolorWin, SlidersAndNumberFieldsSetTheColour)
{
    DialogHost h;
    h.W->sGreen->setValue(200);
    EXPECT_EQ(h.W->CurrentColor(), RGB(0, 200, 0));
    EXPECT_EQ(h.W->vgreen->text(), "200");
    EXPECT_EQ(h.W->vhex->text(), "#00C800");
    h.W->vblue->setFocus();
    h.W->vblue->selectAll();
    QTest::keyClicks(h.W->vblue, "77");
    EXPECT_EQ(h.W->CurrentColor(), RGB(0, 200, 77));
    EXPECT_EQ(h.W->sBlue->value(), 77);
    // An emptied field changes nothing until another field changes; then it counts as 0.
    QTest::keyClick(h.W->vblue, Qt::Key_Backspace);
    QTest::keyClick(h.W->vblue, Qt::Key_Backspace);
    EXPECT_EQ(h.W->vblue->text(), "");
    EXPECT_EQ(h.W->CurrentColor(), RGB(0, 200, 7));
    h.W->vred->setFocus();
    QTest::keyClick(h.W->vred, Qt::Key_Up);
    EXPECT_EQ(h.W->vblue->text(), "0");
    EXPECT_EQ(h.W->CurrentColor(), RGB(1, 200, 0));
    EXPECT_EQ(h.W->vred->selectedText(), "1");
}

TEST(hexcolorWin, AddAndRemoveCustomColours)
{
    DialogHost h("#FF0000\r\n#00ff00\r\n");
    EXPECT_EQ(h.Items(), (QStringList{"#FF0000", "#00ff00"}));
    h.W->SetCurrentColor(RGB(18, 52, 86));
    QTest::mouseClick(h.W->SaveCustom, Qt::LeftButton);
    EXPECT_EQ(h.Items(), (QStringList{"#FF0000", "#00ff00", "#123456"}));
    EXPECT_FALSE(h.W->SaveCustom->isEnabled());
    EXPECT_EQ(h.W->SaveCustom->text(), "Den aktuella färgen är redan tillagd.");
    EXPECT_EQ(h.Selected(), "#123456");
    EXPECT_TRUE(h.W->DelCustom->isEnabled());
    // A colour already in the list selects its item, letter case aside.
    h.W->SetCurrentColor(RGB(0, 255, 0));
    EXPECT_EQ(h.Selected(), "#00ff00");
    EXPECT_FALSE(h.W->SaveCustom->isEnabled());
    EXPECT_TRUE(h.W->DelCustom->isEnabled());
    QTest::mouseClick(h.W->DelCustom, Qt::LeftButton);
    EXPECT_EQ(h.Items(), (QStringList{"#FF0000", "#123456"}));
    EXPECT_TRUE(h.W->SaveCustom->isEnabled());
    EXPECT_EQ(h.W->SaveCustom->text(), "L&ägg till aktuell färg: #00FF00");
    EXPECT_FALSE(h.W->DelCustom->isEnabled());
    EXPECT_EQ(h.Selected(), "");
    // Clicking an item makes it the current colour.
    h.W->PageControl1->setCurrentWidget(h.W->ColOwn);
    const QRect r = h.W->CustomColors->visualItemRect(h.W->CustomColors->item(0));
    QTest::mouseClick(h.W->CustomColors->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(h.W->CurrentColor(), RGB(255, 0, 0));
    EXPECT_EQ(h.W->vhex->text(), "#FF0000");
    h.W->close();
    EXPECT_EQ(h.File(), "#FF0000\r\n#123456\r\n");
}

TEST(hexcolorWin, FirstUseListsTheCannotOpenItemAndWritesOnlyAddedColours)
{
    {
        DialogHost h;
        EXPECT_EQ(h.Items(), (QStringList{"Det gick inte att öppna filen."}));
        h.W->SetCurrentColor(RGB(9, 9, 9));
        h.W->PageControl1->setCurrentWidget(h.W->ColOwn);
        const QRect r = h.W->CustomColors->visualItemRect(h.W->CustomColors->item(0));
        QTest::mouseClick(h.W->CustomColors->viewport(), Qt::LeftButton, {}, r.center());
        EXPECT_EQ(h.W->CurrentColor(), clBlack);
        h.W->close();
        EXPECT_TRUE(h.Dir.Exists("CustomColors.dat"));
        EXPECT_EQ(h.File(), "");
    }
    {
        DialogHost h;
        h.W->SetCurrentColor(RGB(255, 128, 0));
        h.W->AddCustomColor();
        h.W->SetCurrentColor(RGB(0, 0, 1));
        h.W->AddCustomColor();
        h.W->close();
        EXPECT_EQ(h.File(), "#FF8000\r\n#000001\r\n");
    }
}

TEST(hexcolorWin, CustomItemThatIsNoCodeGivesBlackAndBadDigitsChangeNothing)
{
    DialogHost h("hello\r\n#12G456\r\n#ABCDEF");
    h.W->SetCurrentColor(RGB(5, 5, 5));
    h.W->CustomColors->setCurrentRow(1);
    EXPECT_EQ(h.W->CurrentColor(), RGB(5, 5, 5));
    h.W->CustomColors->setCurrentRow(0);
    EXPECT_EQ(h.W->CurrentColor(), clBlack);
    h.W->CustomColors->setCurrentRow(2);
    EXPECT_EQ(h.W->CurrentColor(), RGB(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(h.Selected(), "#ABCDEF");
    h.W->close();
    EXPECT_EQ(h.File(), "hello\r\n#12G456\r\n#ABCDEF\r\n");
}

TEST(hexcolorWin, FailedSaveLeavesTheOldFileAndTellsTheUser)
{
    DialogHost h("#111111\r\n");
    std::vector<std::string> reports;
    TestServices().ReportError = [&](const std::string& text) { reports.push_back(text); };
    h.W->SetCurrentColor(RGB(0x22, 0x22, 0x22));
    h.W->AddCustomColor();
    FailWritesAfter(4);
    h.W->close();
    FailWritesAfter(-1);
    TestServices().ReportError = ShowProgramError;
    EXPECT_EQ(h.File(), "#111111\r\n");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "The custom colours could not be saved. The colours added in this dialog are lost.");
}

TEST(hexcolorWin, CustomColoursFileThatIsAFolderOpensAndIsNotReplaced)
{
    TempFolder dir;
    dir.MakeDir("CustomColors.dat");
    std::vector<std::string> reports;
    TestServices().ReportError = [&](const std::string& text) { reports.push_back(text); };
    {
        Thexcolor w(nullptr, dir / "CustomColors.dat");
        ASSERT_EQ(w.CustomColors->count(), 1);
        EXPECT_EQ(w.CustomColors->item(0)->text(), "Det gick inte att öppna filen.");
        w.show();
        w.close();
    }
    TestServices().ReportError = ShowProgramError;
    EXPECT_TRUE(DirectoryExists(dir / "CustomColors.dat"));
    EXPECT_EQ(reports.size(), 1u);
}

TEST(hexcolorWin, ShowMapOnCurrentColourWithTheMarkerAtTheCornerGivesBlack)
{
    DialogHost h;
    h.W->SetCurrentColor(RGB(18, 52, 86));
    h.Action(h.W->RCPopup, "Visa karta på aktuell färg")->trigger();
    EXPECT_EQ(h.W->ColorBrightness->OriginalColor(), RGB(18, 52, 86));
    EXPECT_EQ(h.W->CurrentColor(), clBlack);
    EXPECT_EQ(h.W->vhex->text(), "#000000");
    // With the marker at the top of the middle column the colour itself comes back.
    h.W->SetCurrentColor(RGB(18, 52, 86));
    h.Action(h.W->ColorBrightnessPopup, "100%")->trigger();
    EXPECT_EQ(h.W->ColorBrightness->CurrentPoint(), (TPoint{244, 0}));
    h.W->SetCurrentColor(RGB(200, 10, 10));
    h.Action(h.W->RCPopup, "Visa karta på aktuell färg")->trigger();
    EXPECT_EQ(h.W->CurrentColor(), RGB(200, 10, 10));
}

TEST(hexcolorWin, InvertAndWebSafeEntries)
{
    DialogHost h;
    h.W->SetCurrentColor(RGB(18, 52, 86));
    h.Action(h.W->RCPopup, "Invertera färg")->trigger();
    EXPECT_EQ(h.W->vhex->text(), "#EDCBA9");
    h.Action(h.W->RCPopup, "Avrunda till säkra byten")->trigger();
    EXPECT_EQ(h.W->CurrentColor(), RGB(255, 204, 153));
    EXPECT_EQ(h.Action(h.W->RCPopup, "Invertera färg")->property("hint").toString(),
              "|Inverterar färgens värden för rött, grönt och blått (R=FF-R; G=FF-G; B=FF-B).");
}

TEST(hexcolorWin, GreenHueWithTheMarkerAtTheTopOfTheMiddle)
{
    DialogHost h;
    h.Action(h.W->ColorBrightnessPopup, "100%")->trigger();
    ASSERT_EQ(h.W->ColorBrightness->CurrentPoint(), (TPoint{244, 0}));
    EXPECT_EQ(h.W->CurrentColor(), RGB(255, 0, 0));
    int renders = 0;
    auto begin = h.W->ColorBrightness->OnBeginRender;
    h.W->ColorBrightness->OnBeginRender = [&](QObject* s) {
        ++renders;
        begin(s);
        EXPECT_TRUE(h.W->lblIsRendering->isVisible());
    };
    h.Action(h.W->ColorMapPopup, "&Grön")->trigger();
    EXPECT_EQ(renders, 2);
    EXPECT_TRUE(h.W->lblIsRendering->isHidden());
    EXPECT_EQ(h.W->CurrentColor(), RGB(0, 255, 0));
    EXPECT_EQ(h.W->WavelengthLabel->text(), "147");
    EXPECT_EQ(h.W->OriginalColorLabel->text(), "#00FF00");
    EXPECT_EQ(h.W->ColorMap->CurrentPoint(), (TPoint{147, 2}));
    EXPECT_EQ(h.W->BrightnessLabel->text(), "244");
    EXPECT_EQ(h.W->GraynessLabel->text(), "201");
    const std::pair<const char*, TColor> hues[] = {{"&Röd", RGB(255, 0, 0)},     {"G&ul", RGB(255, 255, 0)},
                                                   {"&Akva", RGB(0, 255, 255)}, {"&Blå", RGB(0, 0, 255)},
                                                   {"&Violett", RGB(255, 0, 255)}};
    for (auto [caption, colour] : hues) {
        h.Action(h.W->ColorMapPopup, caption)->trigger();
        EXPECT_EQ(h.W->CurrentColor(), colour) << caption;
    }
}

TEST(hexcolorWin, HueMenuImagesAreBorderedSquares)
{
    const QImage img = SatImage(RGB(0, 255, 255));
    EXPECT_EQ(img.size(), QSize(16, 16));
    EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(Qt::black));
    EXPECT_EQ(QColor(img.pixel(15, 7)), QColor(Qt::black));
    EXPECT_EQ(QColor(img.pixel(7, 15)), QColor(Qt::black));
    EXPECT_EQ(QColor(img.pixel(1, 1)), QColor(0, 255, 255));
    EXPECT_EQ(QColor(img.pixel(14, 14)), QColor(0, 255, 255));
    DialogHost h;
    const QList<QAction*> actions = h.W->ColorMapPopup->actions();
    ASSERT_EQ(actions.size(), 8);
    EXPECT_EQ(actions[0]->text(), "Nyans");
    EXPECT_FALSE(actions[0]->isEnabled());
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->data().toInt(), 485);
    EXPECT_EQ(actions[7]->text(), "&Violett");
    EXPECT_FALSE(actions[4]->icon().isNull());
}

TEST(hexcolorWin, BrightnessThenSaturationFiftyPercent)
{
    DialogHost h;
    h.Action(h.W->ColorBrightnessPopup, "50%")->trigger(); // the first "50%" is brightness
    EXPECT_EQ(h.W->ColorBrightness->CurrentPoint(), (TPoint{122, 0}));
    QMenu* saturation = h.W->ColorBrightnessPopup->findChild<QMenu*>("SaturationColumn");
    ASSERT_NE(saturation, nullptr);
    QAction* half = nullptr;
    for (QAction* a : saturation->actions())
        if (a->text() == "50%") half = a;
    ASSERT_NE(half, nullptr);
    half->trigger();
    EXPECT_EQ(h.W->ColorBrightness->CurrentPoint(), (TPoint{122, 101}));
    EXPECT_EQ(h.W->GraynessLabel->text(), "100");
    EXPECT_EQ(h.W->CurrentColor(), BrightnessField(RGB(255, 0, 0), 488, 201)[101 * 488 + 122]);
    // 200 % and 0 % take the last column and row the field has.
    h.Action(h.W->ColorBrightnessPopup, "200%")->trigger();
    for (QAction* a : saturation->actions())
        if (a->text() == "0%") a->trigger();
    EXPECT_EQ(h.W->ColorBrightness->CurrentPoint(), (TPoint{487, 200}));
    // The two columns: brightness then saturation, each with its heading.
    QMenu* brightness = h.W->ColorBrightnessPopup->findChild<QMenu*>("BrightnessColumn");
    ASSERT_NE(brightness, nullptr);
    EXPECT_EQ(brightness->actions().size(), 11);
    EXPECT_EQ(saturation->actions().size(), 7);
    EXPECT_EQ(saturation->actions()[0]->text(), "Mättnad");
    EXPECT_FALSE(saturation->actions()[0]->isEnabled());
}

TEST(hexcolorWin, PickingOnTheStripAndFieldWithTheMouse)
{
    DialogHost h;
    QTest::mouseClick(h.W->ColorBrightness, Qt::LeftButton, {}, QPoint(244, 0));
    EXPECT_EQ(h.W->CurrentColor(), RGB(255, 0, 0));
    QTest::mouseClick(h.W->ColorMap, Qt::LeftButton, {}, QPoint(313, 10));
    EXPECT_EQ(h.W->CurrentColor(), RGB(0, 0, 255));
    EXPECT_EQ(h.W->WavelengthLabel->text(), "313");
    EXPECT_TRUE(h.W->ColorMap->hasFocus());
}

TEST(hexcolorWin, AScreenReaderFindsEveryControlNamedAndPicksAsTheMouseDoes)
{
    DialogHost h;
    AccessibleEventLog log;
    const struct {
        QWidget* Control;
        QAccessible::Role Role;
        QString Name;
    } rows[] = {
        {h.W->ColorMap, QAccessible::Slider, "Nyans"},
        {h.W->ColorBrightness, QAccessible::Grouping, "Ljusstyrka och mättnad"},
        {h.W->WebSafePal1, QAccessible::Table, "Webbfärger"},
        {h.W->sRed, QAccessible::Slider, "Röd"},
        {h.W->vred, QAccessible::EditableText, "Röd"},
        {h.W->sGreen, QAccessible::Slider, "Grön"},
        {h.W->vgreen, QAccessible::EditableText, "Grön"},
        {h.W->sBlue, QAccessible::Slider, "Blå"},
        {h.W->vblue, QAccessible::EditableText, "Blå"},
        {h.W->vhex, QAccessible::EditableText, "Aktuell färg"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Control->objectName().toStdString());
        EXPECT_TRUE(ReachableFrom(h.W.get(), r.Control));
        EXPECT_EQ(FactsOf(r.Control).Role, r.Role);
        EXPECT_EQ(FactsOf(r.Control).Name, r.Name);
    }
    // The field's two sliders, then the strip, set where the mouse picks red, then blue.
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(h.W->ColorBrightness);
    ASSERT_EQ(field->childCount(), 2);
    EXPECT_EQ(FactsOf(field->child(0)).Name, "Ljusstyrka");
    EXPECT_EQ(FactsOf(field->child(1)).Name, "Mättnad");
    field->child(0)->valueInterface()->setCurrentValue(244);
    field->child(1)->valueInterface()->setCurrentValue(h.W->ColorBrightness->height());
    EXPECT_EQ(h.W->CurrentColor(), RGB(255, 0, 0));
    EXPECT_EQ(FactsOf(field->child(0)).Value, h.W->BrightnessLabel->text());
    EXPECT_EQ(FactsOf(field->child(1)).Value, h.W->GraynessLabel->text());
    QAccessible::queryAccessibleInterface(h.W->ColorMap)->valueInterface()->setCurrentValue(313);
    EXPECT_EQ(h.W->CurrentColor(), RGB(0, 0, 255));
    EXPECT_EQ(FactsOf(h.W->ColorMap).Value, "313");
    EXPECT_EQ(FactsOf(h.W->vblue).Value, "255");
    EXPECT_EQ(log.Of(h.W->ColorMap), std::vector<std::string>{"value 313"});

    // Cells are named by their codes; pressing one picks what a click on it picks.
    h.W->PageControl1->setCurrentWidget(h.W->ColWeb);
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(h.W->WebSafePal1)->tableInterface();
    ASSERT_EQ(table->rowCount() * table->columnCount(), 216);
    EXPECT_EQ(FactsOf(table->cellAt(0, 1)).Name, "#000033");
    EXPECT_EQ(FactsOf(table->cellAt(8, 23)).Name, "#FFFFFF");
    for (const auto& [row, column] : {std::pair(0, 0), std::pair(1, 1), std::pair(4, 17), std::pair(8, 23)}) {
        QAccessibleInterface* cell = table->cellAt(row, column);
        cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(h.W->vhex->text(), cell->text(QAccessible::Name));
        const TColor pressed = h.W->CurrentColor();
        h.W->SetCurrentColor(clBlack == pressed ? clWhite : clBlack);
        QTest::mouseClick(h.W->WebSafePal1, Qt::LeftButton, {}, h.W->WebSafePal1->mapFromGlobal(cell->rect().center()));
        EXPECT_EQ(h.W->CurrentColor(), pressed);
    }
}

TEST(hexcolorWin, PaletteHoverShowsCodesAndThePageClearsThem)
{
    DialogHost h;
    h.W->PageControl1->setCurrentWidget(h.W->ColWeb);
    QTest::mouseMove(h.W->WebSafePal1, QPoint(480, 261));
    EXPECT_EQ(h.W->CurrentHover->text(), "#FFFFFF");
    QTest::mouseMove(h.W->WebSafePal1, QPoint(21, 1));
    EXPECT_EQ(h.W->CurrentHover->text(), "#000033");
    QTest::mouseMove(h.W->ColWeb, QPoint(5, 5));
    EXPECT_EQ(h.W->CurrentHover->text(), "");
    QTest::mouseClick(h.W->WebSafePal1, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(h.W->CurrentColor(), WebSafePalette(25));
}

TEST(hexcolorWin, CopyPutsTheCodeOnTheClipboard)
{
    DialogHost h;
    h.W->SetCurrentColor(RGB(18, 52, 86));
    ClipboardSetText("old");
    QTest::mouseClick(h.W->btnCopy, Qt::LeftButton);
    EXPECT_EQ(ClipboardGetText(), "#123456");
}

TEST(hexcolorWin, StandardColourDialogIsRunWhileThisWindowIsHidden)
{
    DialogHost h;
    h.W->SetCurrentColor(RGB(18, 52, 86));
    bool hidden = false;
    TColor initial = 0;
    h.W->PickStandardColor = [&](QWidget*, TColor start) -> std::optional<TColor> {
        hidden = !h.W->isVisible();
        initial = start;
        return RGB(1, 2, 3);
    };
    h.W->btnMore->click();
    EXPECT_TRUE(hidden);
    EXPECT_EQ(initial, RGB(18, 52, 86));
    EXPECT_TRUE(h.W->isVisible());
    EXPECT_EQ(h.W->CurrentColor(), RGB(1, 2, 3));
    EXPECT_EQ(h.W->vhex->text(), "#010203");
    // The window manager activates the window shown again (offscreen, the test does); the
    // code field then has the keyboard.
    QApplication::setActiveWindow(h.W.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(h.W.get()));
    EXPECT_TRUE(h.W->vhex->hasFocus());
    EXPECT_EQ(h.W->vhex->selectedText(), "#010203");
    h.W->PickStandardColor = [](QWidget*, TColor) -> std::optional<TColor> { return std::nullopt; };
    h.W->btnMore->click();
    EXPECT_EQ(h.W->CurrentColor(), RGB(1, 2, 3));
}

TEST(HexColorDialog, ExecuteShowsTheColourAndEscGivesFalse)
{
    TempFolder dir;
    THexColorDialog dlg;
    dlg.CustomColorsFile = dir / "CustomColors.dat";
    EXPECT_EQ(dlg.CurrentColor, clBlack);
    EXPECT_TRUE(dlg.Title.isEmpty());
    EXPECT_TRUE(dlg.BtnCaption.isEmpty());
    dlg.CurrentColor = RGB(18, 52, 86);
    dlg.Title = "Ange bakgrundsfärg";
    dlg.BtnCaption = "Ange";
    bool seen = false;
    WhenModal([&](QWidget* m) {
        auto* w = qobject_cast<Thexcolor*>(m);
        ASSERT_NE(w, nullptr);
        seen = true;
        EXPECT_EQ(w->windowTitle(), "Ange bakgrundsfärg");
        EXPECT_EQ(w->btnInsert->text(), "Ange");
        EXPECT_EQ(w->vhex->text(), "#123456");
        EXPECT_EQ(w->vred->text(), "18");
        EXPECT_EQ(w->sBlue->value(), 86);
        EXPECT_TRUE(w->SaveCustom->isEnabled());
        w->SetCurrentColor(clWhite);
        QTest::keyClick(w->vhex, Qt::Key_Escape);
    });
    EXPECT_FALSE(dlg.Execute());
    EXPECT_TRUE(seen);
    EXPECT_EQ(dlg.CurrentColor, RGB(18, 52, 86));
    EXPECT_EQ(dlg.Window(), nullptr);
    // Closing wrote the custom colours file, empty.
    EXPECT_TRUE(dir.Exists("CustomColors.dat"));
}

TEST(HexColorDialog, EnterInTheCodeFieldGivesTrueWithTheTypedColour)
{
    TempFolder dir;
    THexColorDialog dlg;
    dlg.CustomColorsFile = dir / "CustomColors.dat";
    WhenModal([&](QWidget* m) {
        auto* w = qobject_cast<Thexcolor*>(m);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "");
        EXPECT_EQ(w->btnInsert->text(), "");
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        EXPECT_TRUE(w->vhex->hasFocus());
        EXPECT_EQ(w->vhex->selectedText(), "#000000");
        QTest::keyClicks(w->vhex, "#FF8000");
        QTest::keyClick(w->vhex, Qt::Key_Return);
    });
    EXPECT_TRUE(dlg.Execute());
    EXPECT_EQ(dlg.CurrentColor, RGB(255, 128, 0));
}

TEST(HexColorDialog, CloseBoxGivesFalseAndEveryExecuteReadsTheFileAnew)
{
    TempFolder dir;
    THexColorDialog dlg;
    dlg.CustomColorsFile = dir / "CustomColors.dat";
    dlg.CurrentColor = RGB(7, 7, 7);
    WhenModal([&](QWidget* m) {
        auto* w = qobject_cast<Thexcolor*>(m);
        w->AddCustomColor();
        w->close();
    });
    EXPECT_FALSE(dlg.Execute());
    EXPECT_EQ(dlg.CurrentColor, RGB(7, 7, 7));
    EXPECT_EQ(dir.Read("CustomColors.dat"), "#070707\r\n");
    QStringList items;
    WhenModal([&](QWidget* m) {
        auto* w = qobject_cast<Thexcolor*>(m);
        for (int i = 0; i < w->CustomColors->count(); ++i) items << w->CustomColors->item(i)->text();
        EXPECT_FALSE(w->SaveCustom->isEnabled());
        w->btnInsert->click();
    });
    EXPECT_TRUE(dlg.Execute());
    EXPECT_EQ(items, QStringList{"#070707"});
}
