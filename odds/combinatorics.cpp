#include "odds/combinatorics.h"

namespace odds {

bool nextColex(int* ascending, int size) {
    for (int j = 0; j < size; ++j) {
        const int limit = j + 1 < size ? ascending[j + 1] : kDeckSize;
        if (ascending[j] + 1 < limit) {
            ++ascending[j];
            for (int i = 0; i < j; ++i)
                ascending[i] = i;
            return true;
        }
    }
    return false;
}

} // namespace odds
