#include "file_size_limit.h"

#include <csignal>

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the test
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    lift();
}

void FileSizeLimit::lift() {
    if (!lifted_)
        setrlimit(RLIMIT_FSIZE, &saved_);
    lifted_ = true;
}
