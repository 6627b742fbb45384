#include "BoardLine.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

bool openBoardPty(const char* program, BoardPty& pty) {
    pty.master = ::posix_openpt(O_RDWR | O_NOCTTY);
    char name[128] = {};
    if (pty.master < 0 || ::grantpt(pty.master) != 0 || ::unlockpt(pty.master) != 0 ||
        ::ptsname_r(pty.master, name, sizeof name) != 0) {
        std::cerr << program << ": no pseudo-terminal: " << std::strerror(errno) << "\n";
        return false;
    }
    pty.path = name;
    // Held open for the whole run: the program may close and reopen its side without the master
    // seeing a hang-up. Raw, so that every byte value passes whoever opens the terminal.
    pty.slave = ::open(name, O_RDWR | O_NOCTTY);
    termios mode{};
    if (pty.slave < 0 || ::tcgetattr(pty.slave, &mode) != 0) {
        std::cerr << program << ": cannot open " << pty.path << "\n";
        return false;
    }
    ::cfmakeraw(&mode);
    ::tcsetattr(pty.slave, TCSANOW, &mode);
    return true;
}

void closeBoardPty(BoardPty& pty) {
    if (pty.slave >= 0) ::close(pty.slave);
    if (pty.master >= 0) ::close(pty.master);
    pty.slave = pty.master = -1;
}

bool makeLink(const char* program, const std::string& link, const std::string& target) {
    struct stat info {};
    if (::lstat(link.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            std::cerr << program << ": " << link << " exists and is not a symbolic link\n";
            return false;
        }
        ::unlink(link.c_str());
    }
    if (::symlink(target.c_str(), link.c_str()) != 0) {
        std::cerr << program << ": cannot link " << link << ": " << std::strerror(errno) << "\n";
        return false;
    }
    return true;
}

// Another board may own the link by now.
void removeLink(const std::string& link, const std::string& target) {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink(link.c_str(), buffer.data(), buffer.size());
    if (n > 0 && std::string(buffer.data(), static_cast<std::size_t>(n)) == target) {
        ::unlink(link.c_str());
    }
}

bool loadImage(const char* program, const std::string& path, std::vector<uint8_t>& memory) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    if (bytes.size() > memory.size()) {
        std::cerr << program << ": " << path << " is larger than " << memory.size() << " bytes\n";
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), memory.begin());
    return true;
}

bool saveImage(const std::string& path, const std::vector<uint8_t>& memory) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.data()),
                  static_cast<std::streamsize>(memory.size()));
        if (!out.flush()) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool writeAll(int fd, const uint8_t* data, std::size_t size, const volatile int& stop) {
    while (size > 0 && !stop) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return size == 0;
}

bool takeBoardFileOption(int argc, char** argv, int& i, BoardFiles& files) {
    if (i + 1 >= argc) return false;
    const std::string arg = argv[i];
    std::string* value = arg == "--link" ? &files.link
                         : arg == "--image" ? &files.image
                         : arg == "--save"  ? &files.save
                                            : nullptr;
    if (value == nullptr) return false;
    *value = argv[++i];
    return true;
}
