#pragma once

#include <QString>

// Where the program finds its two database files and its start picture. The program's folder is the
// executable's folder unless a test points it elsewhere.
//
// Run from where it was built or copied to (zipcode.mdb beside it), the
// program keeps its address book in its own folder whenever the user may
// write there. Installed (bin/ with the zip code table in
// share/orvaneit/), it never writes into its own folder: the address book
// lives in the user's data folder ($XDG_DATA_HOME/orvaneit). An orvaneit.mdb
// that already lies beside the program is used wherever the program is.
namespace AppPaths {
QString programFolder();
void setProgramFolder(const QString& folder);
// The address book. When it belongs in the user's data folder and that
// folder is missing, the folder is created readable by its owner only.
QString addressBookPath();
QString zipcodePath();
// The start window's picture: installed beside the zip code table. Where the
// file is missing (as in the build tree) the program shows its built-in copy.
QString titlePicturePath();
} // namespace AppPaths
