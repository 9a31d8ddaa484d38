#include "identity/mid_table.h"

#include <algorithm>

namespace qx {

const char* MidAdministration(int mid)
{
    const MidEntry* end = kMidTable + kMidTableSize;
    const MidEntry* found = std::lower_bound(kMidTable, end, mid,
                                             [](const MidEntry& entry, int value) { return entry.mid < value; });
    return found != end && found->mid == mid ? found->administration : nullptr;
}

}  // namespace qx
