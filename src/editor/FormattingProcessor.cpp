#include "editor/FormattingProcessor.h"

#include "editor/TextEditorEx.h"

const char* const TFormattingProcessor::NoEditorMessage =
    "Ingen TTextEditorEx har konfigurerats som ägare med egenskapen TextEditorEx.";

TCharFormat TFormattingProcessor::GetCharFormat(char, TPoint, bool)
{
    if (!FTextEditorEx) throw EFormattingProcessorError(NoEditorMessage);
    return {FTextEditorEx->Font().Color, FTextEditorEx->Font().Style};
}

