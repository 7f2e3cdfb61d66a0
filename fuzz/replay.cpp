// Runs a fuzz target without libFuzzer: every file of the folders given on the command line is
// fed to LLVMFuzzerTestOneInput, each in a child process of its own (a fresh state, as when
// libFuzzer reproduces one input) with a time limit. Lists every input that crashed, broke a
// promise or ran out of time, and fails if there was one.
//
//   fuzz_<target> DIR_OR_FILE...     (VANTO_FUZZ_REPLAY_TIMEOUT: seconds per input, default 60)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIR_OR_FILE...\n", argv[0]);
        return 2;
    }
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::string> found;
        if (fs::is_directory(argv[i])) {
            for (const fs::directory_entry& entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
                    found.push_back(entry.path().string());
            std::sort(found.begin(), found.end());
        } else if (fs::is_regular_file(argv[i])) {
            found.push_back(argv[i]);
        } else {
            std::fprintf(stderr, "replay: no such file or folder: %s\n", argv[i]);
            return 2;
        }
        files.insert(files.end(), found.begin(), found.end());
    }
    const char* limitText = std::getenv("VANTO_FUZZ_REPLAY_TIMEOUT");
    const unsigned limit = limitText && *limitText ? unsigned(std::strtoul(limitText, nullptr, 10)) : 60u;
    int initArgc = 1;
    LLVMFuzzerInitialize(&initArgc, &argv);

    std::vector<std::string> failures;
    for (const std::string& file : files) {
        std::fflush(stdout);
        std::fflush(stderr);
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child < 0) {
            std::perror("replay: fork");
            return 2;
        }
        if (child == 0) {
            alarm(limit);
            std::ifstream stream(file, std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
            if (!stream.eof() && stream.fail()) {
                std::fprintf(stderr, "replay: cannot read %s\n", file.c_str());
                std::exit(1);
            }
            // A copy of exactly the input's size: reading one byte past it is a fault ASan sees.
            const std::vector<uint8_t> data(bytes.begin(), bytes.end());
            LLVMFuzzerTestOneInput(data.empty() ? nullptr : data.data(), data.size());
            std::exit(0);
        }
        int status = 0;
        while (waitpid(child, &status, 0) < 0) { }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::string verdict = "ok";
        if (WIFSIGNALED(status))
            verdict = WTERMSIG(status) == SIGALRM ? "TIMEOUT after " + std::to_string(limit) + " s"
                                                  : std::string("CRASH (") + strsignal(WTERMSIG(status)) + ")";
        else if (WEXITSTATUS(status) != 0)
            verdict = "FAILED (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
        std::printf("%-8s %6.2f s  %s\n", verdict == "ok" ? "ok" : "FAIL", seconds, file.c_str());
        if (verdict != "ok")
            failures.push_back(file + ": " + verdict);
    }
    std::printf("%zu input(s), %zu failed\n", files.size(), failures.size());
    for (const std::string& failure : failures)
        std::printf("  %s\n", failure.c_str());
    return failures.empty() ? 0 : 1;
}
