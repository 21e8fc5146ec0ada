#pragma once

#include <cstddef>
#include <functional>
#include <string>

// A small text of the player's kept in the state folder (the challenge's records, the
// circuit's progress), read and written back under a lock beside it (NAME.lock), so that two
// games at once, or a player's edit meanwhile, lose nothing. A damaged file is named on stderr
// in one line and set aside (NAME.damaged.txt, then -2, -3...: never replaced). Where the file
// cannot be read, set aside or written, that is said once and the file is left as it is; once a
// save could not write it, it is left alone until the game ends, what is in memory kept.

struct KeptFile {
    std::string (*path)();    // where it is: empty with no state folder
    const char* whose;        // "the challenge's records", for what is said
    const char* keptUntilEnd; // "the challenge's records are kept until the game ends"
    const char* startAfresh;  // "the challenge's records start afresh"
    std::size_t largest;      // the largest text read
};

// What became of a reading of the file.
enum class KeptRead {
    sound,     // its text taken in
    fresh,     // none there, or a damaged one set aside: what it held starts afresh
    unreadable // none to be had (said once): the file must not be written over
};

// Takes a sound text in: false with `problem` when it is damaged, what it was read into left
// as it was.
using TakeKeptText = std::function<bool(const std::string& text, std::string& problem)>;

// Reads the file again, under its lock.
KeptRead readKeptFile(const KeptFile& file, const TakeKeptText& take);

// Reads the file again, then has `change` change what was read (told how the reading went),
// then writes `text()` in its place, all under its lock; not written when it was unreadable.
void saveKeptFile(const KeptFile& file, const TakeKeptText& take,
                  const std::function<void(KeptRead)>& change,
                  const std::function<std::string()>& text);

// What was said about the file forgotten, said again should it come again; a file not written
// tried again.
void forgetKeptFileProblems(const KeptFile& file);
