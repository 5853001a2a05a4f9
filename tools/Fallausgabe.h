#pragma once
// The state of a replayed case as one JSON object, one key a line, in a fixed order.

#include <string>

#include "Fallskript.h"

std::string alsJson(const Fallskript& skript);
