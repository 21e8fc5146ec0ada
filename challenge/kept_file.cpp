#include "challenge/kept_file.h"

#include "platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<const KeptFile*, std::string>> said;
// Files a save failed to write: what is in memory then lasts until the game ends, never
// replaced by the file's older text.
std::vector<const KeptFile*> unwritable;

bool givenUp(const KeptFile& file) {
    return std::find(unwritable.begin(), unwritable.end(), &file) != unwritable.end();
}

constexpr int mostAsideNames = 100;

void sayOnce(const KeptFile& file, const std::string& what) {
    const std::pair<const KeptFile*, std::string> saying{&file, what};
    if (std::find(said.begin(), said.end(), saying) != said.end())
        return;
    said.push_back(saying);
    printErrorText("ruko: " + what + "\n");
}

std::string stemOf(const std::string& path) {
    const std::size_t dot = path.rfind(".txt");
    return dot == std::string::npos ? path : path.substr(0, dot);
}

// NAME.txt set aside as NAME.damaged.txt, then -2, -3...
std::string asideName(const std::string& path, int number) {
    return stemOf(path) + ".damaged" + (number > 1 ? "-" + std::to_string(number) : "") + ".txt";
}

// Renamed to the first name free, never over another: a damaged file is the player's still.
bool setAside(const std::string& path, std::string& aside) {
    for (int number = 1; number <= mostAsideNames; ++number) {
        aside = asideName(path, number);
        if (renameToNewName(path, aside))
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// NAME.lock beside it: taken around every read that may set the file aside and every read,
// change and write of it, so that two games changing it at once both count, each adding its
// own to what the other wrote.
std::string lockName(const std::string& path) {
    return stemOf(path) + ".lock";
}

enum class FileRead { missing, sound, damaged, unreadable };

FileRead readFile(const KeptFile& file, const std::string& path, const TakeKeptText& take,
                  std::string& problem) {
    bool regular = true;
    std::FILE* opened = openRegularFile(path, regular);
    if (!opened) {
        if (!regular || errno == EISDIR) {
            problem = regular ? "a folder" : "not a regular file";
            return FileRead::damaged;
        }
        if (errno == ENOENT)
            return FileRead::missing;
        problem = std::strerror(errno);
        return FileRead::unreadable;
    }
    std::string text(file.largest + 1, '\0');
    text.resize(std::fread(&text[0], 1, text.size(), opened));
    const int readError = std::ferror(opened) ? errno : 0;
    std::fclose(opened);
    if (readError) {
        problem = std::strerror(readError);
        return FileRead::unreadable;
    }
    return take(text, problem) ? FileRead::sound : FileRead::damaged;
}

// The file taken in as it is now, with `afterwards` said after a damaged one set aside.
KeptRead takeFile(const KeptFile& file, const std::string& path, const TakeKeptText& take,
                  const std::string& afterwards) {
    std::string problem;
    switch (readFile(file, path, take, problem)) {
    case FileRead::missing:
        return KeptRead::fresh;
    case FileRead::sound:
        return KeptRead::sound;
    case FileRead::unreadable:
        sayOnce(file, "cannot read " + path + ": " + problem + "; " + file.keptUntilEnd +
                          ", the file left as it is");
        return KeptRead::unreadable;
    case FileRead::damaged:
        break;
    }
    std::string aside;
    if (setAside(path, aside)) {
        sayOnce(file, path + " is damaged (" + problem + "): set aside as " + aside + afterwards);
        return KeptRead::fresh;
    }
    sayOnce(file, path + " is damaged (" + problem + ") and cannot be set aside (" +
                      std::strerror(errno) + "): left as it is; " + file.keptUntilEnd);
    return KeptRead::unreadable;
}

void sayNoStateFolder(const KeptFile& file) {
    sayOnce(file, std::string("no state folder for ") + file.whose + "; " + file.keptUntilEnd);
}

} // namespace

KeptRead readKeptFile(const KeptFile& file, const TakeKeptText& take) {
    if (givenUp(file))
        return KeptRead::unreadable;
    const std::string path = file.path();
    if (path.empty()) {
        sayNoStateFolder(file);
        return KeptRead::unreadable;
    }
    const FileLock lock(lockName(path));
    return takeFile(file, path, take, std::string("; ") + file.startAfresh);
}

void saveKeptFile(const KeptFile& file, const TakeKeptText& take,
                  const std::function<void(KeptRead)>& change,
                  const std::function<std::string()>& text) {
    if (givenUp(file)) {
        change(KeptRead::unreadable);
        return;
    }
    const std::string path = file.path();
    if (path.empty()) {
        change(KeptRead::unreadable);
        sayNoStateFolder(file);
        return;
    }
    const FileLock lock(lockName(path));
    const KeptRead read = takeFile(file, path, take, "");
    change(read);
    if (read == KeptRead::unreadable || replaceFile(path, text()))
        return;
    sayOnce(file, "cannot write " + path + ": " + std::strerror(errno) + "; " + file.keptUntilEnd);
    unwritable.push_back(&file);
}

void forgetKeptFileProblems(const KeptFile& file) {
    said.erase(std::remove_if(said.begin(), said.end(),
                              [&file](const auto& saying) { return saying.first == &file; }),
               said.end());
    unwritable.erase(std::remove(unwritable.begin(), unwritable.end(), &file), unwritable.end());
}
