#pragma once
// The panel captions of the settings window, reached through functions so the window's code,
// which also includes the editor, never sees the caption control's header: both declare
// border-style enumerations of the same names.
#include <string>

class QWidget;
class TPanelCaption;

TPanelCaption* NewPanelCaption(QWidget* parent, const char* name, int left, int top, int width, int height,
                               const std::string& text);
void SetPanelCaptionText(TPanelCaption* caption, const std::string& text);
std::string PanelCaptionText(const TPanelCaption* caption);
QWidget* PanelCaptionWidget(TPanelCaption* caption);
