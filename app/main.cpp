#include "Program.h"

int main(int argc, char** argv) { return ProgramEntry(argc, argv); }
