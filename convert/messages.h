#pragma once

#include <string>

// The texts that the conversion engine shows to users, in one place.
namespace orvane::messages {

inline constexpr const char* kFileReadErrorCaption = "File Read Error";
inline constexpr const char* kFileErrorCaption = "File Error";
inline constexpr const char* kCompleteCaption = "Conversion Complete";
inline constexpr const char* kCompleteText = "Files Converted";

std::string SourceOpenError(const std::string& sourcePath);
std::string DataOpenError(const std::string& dataPath);
std::string OutputOpenError(const std::string& outputPath);
std::string ReadWriteError(const std::string& path, const std::string& reason);

} // namespace orvane::messages
