#pragma once
// What screen readers learn of this library's drawn controls (the hue strip, the brightness
// field, the web-safe palette): their accessible interfaces, made known to Qt by the first one
// built.
void InstallColorDialogAccessibility();
