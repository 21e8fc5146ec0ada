#pragma once

#include <cstdio>
#include <string>

#include <unistd.h>

// Collects what the code under test writes to standard output, as bytes.
class StdoutCapture {
  public:
    StdoutCapture() {
        std::fflush(stdout);
        file_ = std::tmpfile();
        saved_ = dup(fileno(stdout));
        dup2(fileno(file_), fileno(stdout));
    }
    ~StdoutCapture() { restore(); }

    std::string text() {
        restore();
        std::string bytes;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;)
            bytes.push_back(static_cast<char>(c));
        return bytes;
    }

  private:
    void restore() {
        if (saved_ < 0)
            return;
        std::fflush(stdout);
        dup2(saved_, fileno(stdout));
        close(saved_);
        saved_ = -1;
    }
    std::FILE* file_ = nullptr;
    int saved_ = -1;
};

// What `run` writes on standard output, as bytes.
template <typename Run> std::string stdoutOf(Run run) {
    StdoutCapture capture;
    run();
    return capture.text();
}
