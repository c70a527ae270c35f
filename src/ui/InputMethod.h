#pragma once

class QWidget;

// The keyboard's input method (Hangul composition) and the text boxes.
namespace InputMethod {
// When the focus leaves a box in the middle of a syllable, the syllable
// stays in that box only. Installed once for the whole program.
void install();
// The box takes Latin letters whatever mode the input method is in: the
// input method is kept out of it.
void latinOnly(QWidget* box);
} // namespace InputMethod
