#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What both simulated boards need to stand on a serial line: a pseudo-terminal, an optional
// link to it where the program looks for its port, and the chip's contents from and to a file.

struct BoardPty {
    int master = -1;
    int slave = -1;    // held open for the whole run, see openBoardPty
    std::string path;  // the terminal the program opens
};

// The options both boards take: a link to the terminal where the program looks for its port, and
// the files the chip's contents come from and go to.
struct BoardFiles {
    std::string link;
    std::string image;
    std::string save;
};
// True when argv[i] is --link, --image or --save with a value, which it takes (i moves onto it).
bool takeBoardFileOption(int argc, char** argv, int& i, BoardFiles& files);

// A raw pseudo-terminal; false (after a message naming `program`) when none can be had.
bool openBoardPty(const char* program, BoardPty& pty);
void closeBoardPty(BoardPty& pty);

// Makes `link` a symbolic link to `target`, replacing only a link that is already there.
bool makeLink(const char* program, const std::string& link, const std::string& target);
// Removes the link only while it still points at `target`.
void removeLink(const std::string& link, const std::string& target);

// Loads raw bytes from address 0 into `memory`; false when the file cannot be read or is larger.
bool loadImage(const char* program, const std::string& path, std::vector<uint8_t>& memory);
// Through a temporary file, so an interrupted save never leaves half an image behind.
bool saveImage(const std::string& path, const std::vector<uint8_t>& memory);

// Writes everything unless `stop` is set meanwhile.
bool writeAll(int fd, const uint8_t* data, std::size_t size, const volatile int& stop);
