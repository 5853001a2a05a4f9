#pragma once
// A file's bytes as they lie on disk, for comparing what was written.

#include <fstream>
#include <iterator>
#include <string>

namespace bda::datei {

inline std::string dateiinhalt(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

}  // namespace bda::datei
