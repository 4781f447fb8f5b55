#pragma once
// The editor's options and its (stored, never used) page layout for printing. Both belong to
// one editor; assigning an option only stores it unless its setter says otherwise.
#include "platform/Color.h"

#include <cstdint>
#include <string>

class TTextEditorEx;

class TTextEditorExSettings {
public:
    explicit TTextEditorExSettings(TTextEditorEx* editor);

    // Copies every option but the owning editor. The copy also gives the control the copied
    // background colour, and stores OverwriteMode without re-creating the caret.
    void Assign(const TTextEditorExSettings& source);

    TTextEditorEx* TextEditorEx() const { return FTextEditorEx; }

    TColor BkColor() const { return FBkColor; }
    // A different colour also becomes the control's colour and repaints the editor.
    void SetBkColor(TColor c);
    const std::string& ObjStopChars() const { return FObjStopChars; }
    void SetObjStopChars(const std::string& s) { FObjStopChars = s; }
    int32_t TabLength() const { return FTabLength; }
    void SetTabLength(int32_t v) { FTabLength = v; }
    bool AutoIndent() const { return FAutoIndent; }
    void SetAutoIndent(bool v) { FAutoIndent = v; }
    bool AutoEncode() const { return FAutoEncode; }
    void SetAutoEncode(bool v) { FAutoEncode = v; }
    bool AutoCloseQts() const { return FAutoCloseQts; }
    void SetAutoCloseQts(bool v) { FAutoCloseQts = v; }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor c) { FHighlightColor = c; }
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(TColor c) { FHighlightTextColor = c; }
    bool ShowHiddenChars() const { return FShowHiddenChars; }
    void SetShowHiddenChars(bool v) { FShowHiddenChars = v; }
    TColor HiddenCharsColor() const { return FHiddenCharsColor; }
    void SetHiddenCharsColor(TColor c) { FHiddenCharsColor = c; }
    bool InteractiveFormatting() const { return FInteractiveFormatting; }
    void SetInteractiveFormatting(bool v) { FInteractiveFormatting = v; }
    bool OverwriteMode() const { return FOverwriteMode; }
    // A different value re-creates the system caret (CharWidth wide in overwrite mode, 2
    // pixels otherwise) when the editor has the focus.
    void SetOverwriteMode(bool v);
    int32_t SpeedJump() const { return FSpeedJump; }
    void SetSpeedJump(int32_t v) { FSpeedJump = v; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v) { FReadOnly = v; }
    bool ListMenuHelper() const { return FListMenuHelper; }
    void SetListMenuHelper(bool v) { FListMenuHelper = v; }
    bool ListMenuHelperAutoPopup() const { return FListMenuHelperAutoPopup; }
    void SetListMenuHelperAutoPopup(bool v) { FListMenuHelperAutoPopup = v; }
    bool HideHelperOnClick() const { return FHideHelperOnClick; }
    void SetHideHelperOnClick(bool v) { FHideHelperOnClick = v; }

    // The 35 stop characters of word jumps a new editor starts with (UTF-8).
    static const std::string DefaultObjStopChars;

private:
    TTextEditorEx* FTextEditorEx;
    TColor FBkColor = clWindow;
    std::string FObjStopChars = DefaultObjStopChars;
    int32_t FTabLength = 4;
    bool FAutoIndent = true;
    bool FAutoEncode = true;
    bool FAutoCloseQts = true;
    TColor FHighlightColor = clHighlight;
    TColor FHighlightTextColor = clHighlightText;
    bool FShowHiddenChars = false;
    TColor FHiddenCharsColor = clBlack;
    bool FInteractiveFormatting = true;
    bool FOverwriteMode = false;
    int32_t FSpeedJump = 150;
    bool FReadOnly = false;
    bool FListMenuHelper = false;
    bool FListMenuHelperAutoPopup = false;
    bool FHideHelperOnClick = false;
};

struct TTextEditorExPrintingSettings {
    int32_t MarginTop = 500;
    int32_t MarginLeft = 250;
    int32_t MarginBottom = 500;
    int32_t MarginRight = 250;
    bool ShowHiddenChars = false;
    bool InteractiveFormatting = true;
    std::string Header;
    std::string Footer;
    int32_t HeaderMarginTop = 250;
    int32_t FooterMarginBottom = 250;
    friend bool operator==(const TTextEditorExPrintingSettings&, const TTextEditorExPrintingSettings&) = default;
};
