#pragma once

#include <cstdio>
#include <string>

#include <unistd.h>

// What `run` writes on standard error, as bytes.
template <typename Run> std::string stderrOf(Run run) {
    std::fflush(stderr);
    std::FILE* capture = std::tmpfile();
    const int saved = dup(2);
    dup2(fileno(capture), 2);
    run();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string text;
    std::rewind(capture);
    for (int c; (c = std::fgetc(capture)) != EOF;)
        text.push_back(static_cast<char>(c));
    std::fclose(capture);
    return text;
}
