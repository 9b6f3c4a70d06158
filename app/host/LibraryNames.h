// File names of the libraries and files the program opens, as it writes them.
#pragma once

namespace trovane {

inline constexpr const char* kConfigFile = "config.ini";
inline constexpr const char* kFileReaderLibrary = "Bastrel.dll";
inline constexpr const char* kIniParserLibrary = "Lexmoor.dll";
inline constexpr const char* kImageReaderLibrary = "Vistrane.dll";
inline constexpr const char* kTextureQueryLibrary = "Aurelix.dll";
inline constexpr const char* kStationTextureFile = "textures/morvex.jpg";

} // namespace trovane
