#pragma once
// The state of a replayed case as one JSON object, one key a line, in a fixed order; the experience
// step, when the script or file has one, as the last object.

#include <string>

#include "Fallskript.h"

namespace bda::werkzeug {

std::string alsJson(const Fallskript& skript);

}  // namespace bda::werkzeug
