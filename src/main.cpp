#include "ProgramStart.h"

int main(int argc, char* argv[]) {
    return vantorel::RunVantorel(argc, argv);
}
