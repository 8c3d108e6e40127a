#include "tests/run_tests.h"

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    return runSelectedTests();
}
