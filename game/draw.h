#pragma once

#include <cstdint>

// Picking a row: an attempt scales r by a power of ten just large enough for the list and rounds
// it to a row, halves to the even neighbour; 0 counts as row 1. An attempt beyond the list is
// thrown away and the deal tries again.

// 10 for up to 10 rows, 100 for up to 100, 1000 for up to 1000, and on by powers of ten.
std::int64_t drawScale(std::int64_t rows);

// The row an attempt lands on, from 1 to scale.
std::int64_t drawnRow(float r, std::int64_t scale);
