#include "tests/support/WineDifferences.h"

bool UnderWine() {
    return false;
}
