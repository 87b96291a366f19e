#include "PackBuilder.h"

int main(int argc, char** argv)
{
    return RunPack(argc, argv);
}
