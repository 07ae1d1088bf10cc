#pragma once
// FontFaceFromFile: the face a font file brings, read from the file by the program
// itself, without adding it to the font table or writing any scratch file.
#include <string>

#include "viewer/face_match.h"

namespace glyvane {

// exactName true: the file's full name in the user's language (its family name when
// it has no full name), as the system names the file's font; empty text when the file
// is no font the reader accepts (a bitmap .fon, a damaged file, no file).
std::string FontFaceFromFile(const std::string& path);

// exactName false: the longest beginning of that name which is an installed font's
// name; empty text when none is.
std::string FontFaceFromFile(const std::string& path, const InstalledFaces& installed);

}  // namespace glyvane
