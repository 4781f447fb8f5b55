#pragma once
// Per-character colour and style for the editor's painting. The base answers the editor
// font's own colour and style; a descendant overrides GetCharFormat.
#include "platform/Canvas.h"
#include "platform/Geometry.h"

#include <stdexcept>

class TTextEditorEx;

struct TCharFormat {
    TColor Color = clWindowText;
    TFontStyles Style = 0;
    friend bool operator==(const TCharFormat&, const TCharFormat&) = default;
};

class EFormattingProcessorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TFormattingProcessor {
public:
    virtual ~TFormattingProcessor() = default;

    TTextEditorEx* TextEditorEx() const { return FTextEditorEx; }
    void SetTextEditorEx(TTextEditorEx* editor) { FTextEditorEx = editor; }

    // `ch`: the first byte of the character's UTF-8 (the character itself where it is ASCII).
    // `appendedAtLineEnd`: the character is being drawn because it was just typed at the
    // end of its line. Throws EFormattingProcessorError when no editor is set.
    virtual TCharFormat GetCharFormat(char ch, TPoint pos, bool appendedAtLineEnd);

    // The error raised without an editor (UTF-8).
    static const char* const NoEditorMessage;

private:
    TTextEditorEx* FTextEditorEx = nullptr;
};
