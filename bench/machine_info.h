#pragma once

#include <string>

// What the numbers were measured on.

std::string cpuModel();
int logicalCores();
long memoryMiB();
// GL_RENDERER and GL_VERSION of the current context.
std::string glRendererAndVersion();
