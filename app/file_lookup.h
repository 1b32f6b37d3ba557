#pragma once

#include <QString>

namespace orvane {

// The path of strRelative (parts separated by '/') inside strFolder, each part matched against
// the names in the file system ignoring letter case, as files copied from Windows keep whatever
// case they had there. An exact match is preferred. When a part is not found, the rest of the
// path is kept as given, so the result names the file the user would look for.
QString FindPathIgnoringCase(const QString& strFolder, const QString& strRelative);

} // namespace orvane
