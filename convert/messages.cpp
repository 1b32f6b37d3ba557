#include "convert/messages.h"

namespace orvane::messages {

std::string SourceOpenError(const std::string& sourcePath) {
    return "There was an error opening source data file \n" + sourcePath;
}

std::string DataOpenError(const std::string& dataPath) {
    return "There was an error opening data conversion file \n" + dataPath;
}

std::string OutputOpenError(const std::string& outputPath) {
    return "There was an error opening file \n" + outputPath +
           "\nIt may in use by another application.\nTry closing the file and then select it "
           "again.";
}

std::string ReadWriteError(const std::string& path, const std::string& reason) {
    return "There was an error reading or writing file \n" + path + "\n" + reason +
           "\nThe conversion of this file was abandoned; no converted file was written.";
}

} // namespace orvane::messages
