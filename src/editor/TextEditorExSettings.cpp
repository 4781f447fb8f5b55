#include "editor/TextEditorExSettings.h"

#include "editor/TextEditorEx.h"

const std::string TTextEditorExSettings::DefaultObjStopChars =
    "<([{|}])>\"'/\\=+-*/,.:;^~$€¤@§!?%‰#&";

TTextEditorExSettings::TTextEditorExSettings(TTextEditorEx* editor) : FTextEditorEx(editor) {}

void TTextEditorExSettings::SetBkColor(TColor c)
{
    if (c == FBkColor) return;
    FBkColor = c;
    if (FTextEditorEx) {
        FTextEditorEx->SetColor(c);
        FTextEditorEx->Repaint();
    }
}

void TTextEditorExSettings::SetOverwriteMode(bool v)
{
    if (v == FOverwriteMode) return;
    FOverwriteMode = v;
    if (FTextEditorEx && FTextEditorEx->hasFocus()) FTextEditorEx->RecreateCaret();
}

void TTextEditorExSettings::Assign(const TTextEditorExSettings& s)
{
    if (&s == this) return;
    FBkColor = s.FBkColor;
    FObjStopChars = s.FObjStopChars;
    FTabLength = s.FTabLength;
    FAutoIndent = s.FAutoIndent;
    FAutoEncode = s.FAutoEncode;
    FAutoCloseQts = s.FAutoCloseQts;
    FHighlightColor = s.FHighlightColor;
    FHighlightTextColor = s.FHighlightTextColor;
    FShowHiddenChars = s.FShowHiddenChars;
    FHiddenCharsColor = s.FHiddenCharsColor;
    FInteractiveFormatting = s.FInteractiveFormatting;
    FOverwriteMode = s.FOverwriteMode;
    FSpeedJump = s.FSpeedJump;
    FReadOnly = s.FReadOnly;
    FListMenuHelper = s.FListMenuHelper;
    FListMenuHelperAutoPopup = s.FListMenuHelperAutoPopup;
    FHideHelperOnClick = s.FHideHelperOnClick;
    if (FTextEditorEx) FTextEditorEx->SetColor(FBkColor);
}

