#pragma once
// The program folder: the folder of the running executable, where the data folders
// BioTab, BioBMPs, TZeichen and BioHelp lie. Tests may point it elsewhere.

#include <QString>

namespace zuv::core {

// Absolute path ending in "/".
QString programFolder();
// programFolder() + relative ("BioTab/Koerper"); relative uses "/".
QString programPath(const QString& relative);
// Overrides the folder (tests); an empty text returns to the executable's folder.
void setProgramFolder(const QString& folder);

} // namespace zuv::core
