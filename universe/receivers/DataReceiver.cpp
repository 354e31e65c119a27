#include "universe/receivers/DataReceiver.h"

DataReceiver& TheDiscardingReceiver() {
    static DataReceiver discarding;
    return discarding;
}
