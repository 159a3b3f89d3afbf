// A simulated full disk through the file-size limit.
#include "tests/support/DisquePlein.h"

DisquePlein::DisquePlein(rlim_t octets) {
    getrlimit(RLIMIT_FSIZE, &ancienne);
    struct sigaction ignorer = {};
    ignorer.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignorer, &ancienSignal);
    struct rlimit limite = ancienne;
    limite.rlim_cur = octets;
    setrlimit(RLIMIT_FSIZE, &limite);
}

DisquePlein::~DisquePlein() {
    setrlimit(RLIMIT_FSIZE, &ancienne);
    sigaction(SIGXFSZ, &ancienSignal, nullptr);
}
