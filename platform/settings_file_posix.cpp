#include "platform/platform.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The XDG base directories: a relative $XDG_CONFIG_HOME is to be ignored.
std::string settingsFilePath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/ruko/ruko.conf";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config/ruko/ruko.conf";
    return {};
}

// O_NONBLOCK: opening a FIFO would otherwise wait for a writer.
std::FILE* openRegularFile(const std::string& path, bool& regular) {
    regular = true;
    const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    int error = fstat(descriptor, &status) == 0 ? 0 : errno;
    if (!error && S_ISREG(status.st_mode)) {
        if (std::FILE* file = fdopen(descriptor, "rb"))
            return file;
        error = errno;
    }
    // A folder is told as reading it always told it.
    if (!error && S_ISDIR(status.st_mode))
        error = EISDIR;
    regular = error != 0;
    close(descriptor);
    errno = error;
    return nullptr;
}

void reportSettingsProblems(const std::string& lines) {
    printErrorText(lines);
}

const char* nativeLineEnd() {
    return "\n";
}

namespace {

// As many links as the system itself follows.
constexpr int mostLinks = 40;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The file at the end of the path's symbolic links, or the path itself (missing, it is made
// there). A relative link is from its own folder.
bool followLinks(std::string& path) {
    for (int hop = 0; hop < mostLinks; ++hop) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0)
            return errno == ENOENT;
        if (!S_ISLNK(status.st_mode))
            return true;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(path.c_str(), &target[0], target.size());
        if (length <= 0)
            return false;
        target.resize(static_cast<std::size_t>(length));
        path = target[0] == '/' ? target : folderOf(path) + "/" + target;
    }
    errno = ELOOP;
    return false;
}

// The new files of saves killed between their writing and their rename, `path`.PID.new, of
// processes that are no more: each save would otherwise leave one more. Those of a process
// alive (another game saving at the same time) are left to it.
void removeStaleNewFiles(const std::string& path) {
    const std::string folder = folderOf(path);
    const std::string prefix = path.substr(path.find_last_of('/') + 1) + ".";
    DIR* listing = opendir(folder.c_str());
    if (!listing)
        return;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - 4, 4, ".new") != 0)
            continue;
        const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 4);
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t pid = std::atoi(digits.c_str());
        if (pid > 0 && pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH)
            unlink((folder + "/" + name).c_str());
    }
    closedir(listing);
}

// The whole text at the start of the file, which ends there, on the disk.
bool writeWhole(int descriptor, const std::string& text) {
    if (ftruncate(descriptor, 0) != 0)
        return false;
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written =
            pwrite(descriptor, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return fsync(descriptor) == 0;
}

// The old file's owner where the process may give it (a save run as root), else its group
// where the player is in it; else the file becomes the player's.
bool giveOwner(int descriptor, const struct stat& old) {
    if (fchown(descriptor, old.st_uid, old.st_gid) == 0)
        return true;
    if (errno != EPERM)
        return false;
    return fchown(descriptor, static_cast<uid_t>(-1), old.st_gid) == 0 || errno == EPERM;
}

// The new file beside the old one, its owner and mode (`old`, when there is one), renamed over
// it once on the disk: a crash of the system could otherwise leave the name on an empty file.
bool writeBeside(const std::string& path, const std::string& contents, const struct stat* old) {
    const std::string temporary = path + "." + std::to_string(getpid()) + ".new";
    unlink(temporary.c_str());
    std::FILE* file = createNewFile(temporary);
    if (!file)
        return false;
    const int descriptor = fileno(file);
    // The owner first: giving a file away takes its set-user-ID bits off.
    bool written =
        (!old || (giveOwner(descriptor, *old) && fchmod(descriptor, old->st_mode & 07777) == 0)) &&
        writeWhole(descriptor, contents);
    int error = errno;
    written = std::fclose(file) == 0 && written;
    if (written && rename(temporary.c_str(), path.c_str()) == 0) {
        const int folder = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            fsync(folder);
            close(folder);
        }
        return true;
    }
    error = written ? errno : error;
    unlink(temporary.c_str());
    errno = error;
    return false;
}

// The file written over where it is, its old text kept to be written back should the new one
// not go in whole (no space left, a quota): never atomic, but never lost either.
bool writeInPlace(const std::string& path, const std::string& contents) {
    const int descriptor = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    std::string old;
    char block[4096];
    for (;;) {
        const ssize_t count = read(descriptor, block, sizeof block);
        if (count == 0)
            break;
        if (count > 0) {
            old.append(block, static_cast<std::size_t>(count));
        } else if (errno != EINTR) {
            const int error = errno;
            close(descriptor);
            errno = error;
            return false;
        }
    }
    const bool written = writeWhole(descriptor, contents);
    const int error = errno;
    if (!written)
        writeWhole(descriptor, old);
    close(descriptor);
    errno = error;
    return written;
}

} // namespace

bool replaceFile(const std::string& path, const std::string& contents) {
    std::string target = path;
    if (!followLinks(target))
        return false;
    struct stat old {};
    const bool existing = stat(target.c_str(), &old) == 0;
    removeStaleNewFiles(target);
    if (writeBeside(target, contents, existing ? &old : nullptr))
        return true;
    if (!existing || !S_ISREG(old.st_mode) || (errno != EACCES && errno != EPERM))
        return false;
    const int error = errno;
    if (writeInPlace(target, contents))
        return true;
    // The folder's refusal says more than the file's own (the same, or EACCES again).
    if (errno == EACCES || errno == EPERM)
        errno = error;
    return false;
}
