#pragma once
// Face names that label files carry from their original platform and the
// faces that stand in for them here: the Song face 宋体 (SimSun) and the
// OCR-B face of retail digits. Without the mapping Qt falls back to a sans
// face for both.

namespace tagpress {

// Installs the substitutions in Qt's font table. Idempotent; call before the
// first text is drawn (QtSurface does so itself).
void InstallFontSubstitutions();

}  // namespace tagpress
