// Start-up time and memory: runs the program on its demo folder and the bare window beside it,
// each RUNS times in turn, offscreen, and prints the median time from process start to the
// first show of the main window, the ratio of the two, and the peak resident memory. The bare
// window with one line of text is timed too: the part of the gap that any window with words pays.
//   bench_startup [RUNS]   (bench/startup builds a Release tree and runs it)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run {
    double ms = 0;   // start of the process to its "shown" line
    long peakKb = 0; // the child's peak resident memory
};

bool runOnce(const std::vector<std::string>& command, Run* run)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return false;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("QVL_STARTUP_PROBE", "1", 1);
        std::vector<char*> args;
        for (const std::string& a : command)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string out;
    char buffer[256];
    bool shown = false;
    pollfd p{fds[0], POLLIN, 0};
    while (!shown && ::poll(&p, 1, 30'000) == 1) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.append(buffer, static_cast<size_t>(n));
        shown = out.find("shown\n") != std::string::npos;
    }
    run->ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!shown)
        ::kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    ::close(fds[0]);
    run->peakKb = usage.ru_maxrss;
    return shown;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    char folder[] = "/tmp/qvl-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string demo = std::string(folder) + "/demo";
    const std::vector<std::string> program = {QVL_PROGRAM, "--demo", demo};
    const std::vector<std::string> bare = {QVL_BARE_WINDOW};
    const std::vector<std::string> bareText = {QVL_BARE_WINDOW, "--text"};

    // One start of each first: it makes the demo workspace and warms the file cache.
    Run warm;
    if (!runOnce(program, &warm) || !runOnce(bare, &warm) || !runOnce(bareText, &warm)) {
        std::fprintf(stderr, "startup: a program did not report its first show\n");
        return 1;
    }
    std::vector<double> programMs, bareMs, textMs;
    std::vector<long> programKb, bareKb;
    for (int i = 0; i < runs; ++i) {
        Run a, b, c;
        if (!runOnce(program, &a) || !runOnce(bare, &b) || !runOnce(bareText, &c)) {
            std::fprintf(stderr, "startup: a program did not report its first show\n");
            return 1;
        }
        programMs.push_back(a.ms);
        programKb.push_back(a.peakKb);
        bareMs.push_back(b.ms);
        bareKb.push_back(b.peakKb);
        textMs.push_back(c.ms);
    }
    const double p = median(programMs), q = median(bareMs);
    std::printf("runs: %d each, offscreen\n", runs);
    std::printf("quarvel --demo: median %.1f ms to first show, peak RSS median %.1f MB, max %.1f MB\n", p,
                median(programKb) / 1024.0, *std::max_element(programKb.begin(), programKb.end()) / 1024.0);
    std::printf("bare window:    median %.1f ms to first show, peak RSS median %.1f MB\n", q, median(bareKb) / 1024.0);
    std::printf("bare window with one line of text: median %.1f ms\n", median(textMs));
    // The target is against the window with words: any window with text pays for its font.
    std::printf("ratio to the window with one line of text: %.2fx (target 1.5x, at most 2.0x)\n", p / median(textMs));
    std::printf("ratio to the bare window: %.2fx; peak RSS target 60 MB\n", p / q);
    std::string remove = std::string("rm -rf '") + folder + "'";
    return std::system(remove.c_str()) == 0 ? 0 : 1;
}
