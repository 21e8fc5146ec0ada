#include "bench/process_probe.h"

#include "bench/swap_record.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int timeoutMilliseconds = 30000;

[[noreturn]] void execProbed(const std::string& program, const std::string& probeLibrary,
                             const std::string& out, int swaps) {
    setenv("RUKO_PROBE_OUT", out.c_str(), 1);
    setenv("RUKO_PROBE_SWAPS", std::to_string(swaps).c_str(), 1);
    execUnderProbe(program, probeLibrary);
}

// The child's status, or -1 after killing it on the timeout.
int waitWithTimeout(pid_t child) {
    for (int waited = 0; waited < timeoutMilliseconds; waited += 5) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return -1;
}

} // namespace

void execUnderProbe(const std::string& program, const std::string& probeLibrary,
                    const std::vector<std::string>& arguments) {
    setenv("LD_PRELOAD", probeLibrary.c_str(), 1);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

ProbeResult runProbed(const std::string& program, const std::string& probeLibrary, int swaps) {
    char out[] = "/tmp/ruko_probe_XXXXXX";
    const int outFile = mkstemp(out);
    if (outFile < 0)
        return {false, 0.0, 0};
    close(outFile);

    const long long start = monotonicNow();
    const pid_t child = fork();
    if (child == 0)
        execProbed(program, probeLibrary, out, swaps);
    const int status = child > 0 ? waitWithTimeout(child) : -1;

    long long firstSwap = 0;
    long peak = 0;
    FILE* file = std::fopen(out, "r");
    const bool read = file && std::fscanf(file, "%lld %ld", &firstSwap, &peak) == 2;
    if (file)
        std::fclose(file);
    std::remove(out);
    if (status != 0 || !read || firstSwap == 0)
        return {false, 0.0, 0};
    return {true, static_cast<double>(firstSwap - start) / 1e6, peak};
}
