#pragma once

// Qt's own texts (the text boxes' context menus, standard dialogs) in Korean.
namespace QtTranslation {
// Loads Qt's Korean translation from the installed Qt translations. False
// when it is not installed; the program's own texts are Korean either way.
bool install();
} // namespace QtTranslation
