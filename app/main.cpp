#include "LotteryApplication.h"
#include "ProgramStart.h"

int main(int argc, char** argv) {
    LotteryApplication application(argc, argv);
    return RunProgram();
}
