#include "app/StartUp.h"

int main(int argc, char** argv) {
    return runSelvoria(argc, argv);
}
