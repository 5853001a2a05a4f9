// Runs one program to its end and prints "wall cpu rss": wall and cpu time (user + system) in seconds
// to the microsecond, peak resident set in KiB. GNU time rounds to 10 ms, too coarse for a start-up
// of a few tens of milliseconds.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: startmessung PROGRAMM [ARGUMENTE]\n");
        return 2;
    }
    const auto anfang = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage verbrauch{};
    if (kind < 0 || wait4(kind, &status, 0, &verbrauch) < 0) {
        std::perror("startmessung");
        return 1;
    }
    const std::chrono::duration<double> wand = std::chrono::steady_clock::now() - anfang;
    const auto sekunden = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    std::printf("%.6f %.6f %ld\n", wand.count(), sekunden(verbrauch.ru_utime) + sekunden(verbrauch.ru_stime),
                verbrauch.ru_maxrss);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
