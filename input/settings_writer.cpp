#include "input/settings_writer.h"

#include "input/settings.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int writeNewSettingsFile() {
    const std::string path = settingsFilePath();
    if (path.empty()) {
        std::fputs("ruko: no place for a settings file: no home folder is set\n", stderr);
        return 1;
    }
    std::FILE* file = createNewFile(path);
    if (!file && errno == EEXIST) {
        std::fprintf(stderr, "ruko: %s is there already: left as it is\n", path.c_str());
        return 1;
    }
    bool written = file && std::fputs(formatSettings(defaultSettings()).c_str(), file) >= 0;
    written = file && std::fclose(file) == 0 && written;
    if (!written) {
        std::fprintf(stderr, "ruko: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    std::printf("Settings written to %s: the usual keys and volume, to change there\n",
                path.c_str());
    return 0;
}
