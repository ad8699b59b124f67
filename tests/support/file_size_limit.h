#pragma once

#include <sys/resource.h>

// While it lives, any write that would take a file of this process past the given size fails,
// as on a full disk. The previous limit comes back afterwards.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Lifts the limit early, as when the disk has room again.
    void lift();

private:
    rlimit saved_{};
    bool lifted_ = false;
};
