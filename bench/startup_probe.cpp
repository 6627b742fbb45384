// The program itself, timed from process start to its main window's first paint.
#include "FirstPaint.h"
#include "Program.h"

int main(int argc, char** argv) {
    quitAfterFirstPaint();
    return runProgram(argc, argv);
}
