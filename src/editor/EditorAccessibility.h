#pragma once
// What screen readers learn of this library's controls (the editor, its ruler, the completion
// list): their accessible interfaces, made known to Qt by the first one built.
void InstallEditorAccessibility();
