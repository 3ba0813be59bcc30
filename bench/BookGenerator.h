#pragma once

#include "book/TEnreg.h"

#include <vector>

// Synthetic books for benchmarks: realistic fill (names with accented
// letters in the book's code page, phones, mail, multi-line addresses and
// comments, some children and birthdays), the same for the same seed.
std::vector<TEnreg> generateBook(int count, unsigned seed = 1);
