#pragma once

#include <QStringList>

// The Korean face names the windows, the forms and the user know ("굴림",
// "굴림체", "돋움", "돋움체", "바탕", "바탕체", "궁서"), each standing for
// the installed face that replaces it. This is the one place that maps them.
namespace Faces {
// Lets every font lookup resolve the Korean names (and their English
// spellings) to the installed faces.
void install();
// The faces that print Hangul, once each, sorted: a face that stands in for
// a Korean name is offered under that name, any other under its own.
QStringList hangulFaces();
// Sorts face names in the user's order: Korean names before Latin ones,
// case ignored.
void sort(QStringList& faces);
} // namespace Faces
