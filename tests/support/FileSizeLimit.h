#pragma once

#include <sys/resource.h>

#include <csignal>

// While alive, no file this process writes can grow past `bytes`: a write beyond the limit fails
// as on a full disk (with EFBIG), and the signal that would end the process is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previousLimit_{};
    struct sigaction previousAction_ {};
};
