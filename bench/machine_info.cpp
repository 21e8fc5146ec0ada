#include "bench/machine_info.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

// The value of the first line of `path` starting with `key`, after its colon.
std::string firstField(const char* path, const std::string& key) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) == 0) {
            const std::size_t colon = line.find(':');
            const std::size_t start = line.find_first_not_of(" \t", colon + 1);
            return start == std::string::npos ? "" : line.substr(start);
        }
    }
    return "unknown";
}

} // namespace

std::string cpuModel() {
    return firstField("/proc/cpuinfo", "model name");
}

int logicalCores() {
    return static_cast<int>(std::thread::hardware_concurrency());
}

long memoryMiB() {
    return std::atol(firstField("/proc/meminfo", "MemTotal").c_str()) / 1024; // given in KiB
}

std::string glRendererAndVersion() {
    const auto text = [](GLenum name) {
        const auto* value = reinterpret_cast<const char*>(glGetString(name));
        return std::string(value ? value : "unknown");
    };
    return text(GL_RENDERER) + ", OpenGL " + text(GL_VERSION);
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    double one = 0, five = 0, fifteen = 0;
    in >> one >> five >> fifteen;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f, %.2f, %.2f", one, five, fifteen);
    return text;
}
