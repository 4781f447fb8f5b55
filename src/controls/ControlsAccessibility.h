#pragma once
// What screen readers learn of this library's owner-drawn controls: each one's accessible
// interface, made known to Qt's accessibility framework by the first control built.
void InstallControlsAccessibility();
