#pragma once

#include <string>

// What the numbers were measured on.

std::string cpuModel();
int logicalCores();
long memoryMiB();
// GL_RENDERER and GL_VERSION of the current context.
std::string glRendererAndVersion();
// The load averages over 1, 5 and 15 minutes, as "0.42, 0.40, 0.38".
std::string loadAverage();
