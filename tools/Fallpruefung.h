#pragma once
// The bulk re-check of bda-fall: every case file is opened and recomputed in this one process, one line
// a file in the order of the arguments: the file, the stored BDA, the recomputed BDA, for a file with an
// experience step the stored and the recomputed start of Stufe 1, and "gleich" or "abweichend" (any
// stored result differs), then a summary. Files and folders that cannot be read are
// named on `fehler`, counted as "nicht lesbar", and the run goes on. The files are shared out among
// `arbeiter` threads.

#include <ostream>
#include <string>
#include <vector>

namespace bda::werkzeug {

// `pfade`: case files and folders; a folder stands for every .bda file below it, in name order, and for
// every folder or entry below it that cannot be read (links to folders are not followed).
// `arbeiter`: threads, 0 for one a processor. Returns 0 when every file agrees, 1 when one differs,
// 2 when one cannot be read.
int fällePrüfen(const std::vector<std::string>& pfade, std::ostream& aus, std::ostream& fehler,
                unsigned arbeiter = 0);

}  // namespace bda::werkzeug
