// The Maritime Identification Digits the ITU has allocated, with their administrations.
// The data comes from data/mid.tsv, compiled in at build time.
#pragma once

namespace qx {

struct MidEntry {
    int mid;
    const char* administration;  // UTF-8
};

// Sorted by MID, each MID once.
extern const MidEntry kMidTable[];
extern const int kMidTableSize;

// The administration of an allocated MID; null for an unallocated one.
const char* MidAdministration(int mid);

}  // namespace qx
