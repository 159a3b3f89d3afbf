// A full disk for the length of one scope: every file write beyond a few bytes fails, even as root.
#pragma once

#include <signal.h>
#include <sys/resource.h>

class DisquePlein {
public:
    // Files may grow to at most octets bytes; a longer write fails with EFBIG
    // (the SIGXFSZ that would kill the process is ignored).
    explicit DisquePlein(rlim_t octets = 4);
    ~DisquePlein();
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

private:
    struct rlimit ancienne;
    struct sigaction ancienSignal;
};
