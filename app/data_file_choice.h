#pragma once

#include <QString>

namespace orvane {

// The conversion table that the data-file box names. Its entry "Data.txt" (in any letter case),
// or nothing at all, stands for the table that comes with the program: DATA.txt in the program's
// folder, found whatever the letter case of its name. Any other text is the path of another
// table; a relative one is taken from the program's folder, not from wherever the program was
// started.
QString ResolveDataFile(const QString& strChoice, const QString& strProgramFolder);

} // namespace orvane
