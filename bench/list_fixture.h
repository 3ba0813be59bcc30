#pragma once

#include "book/TEnreg.h"

#include <vector>

// Synthetic contacts for the list benchmark: realistic name lengths and
// spread over every letter group, some names in lower case, accented,
// starting with a digit or empty, categories 0 to 7, and enough other
// fields filled that a record weighs what a real one does (~320 bytes in
// the file).
namespace ListFixture {

std::vector<TEnreg> makeContacts(int count, unsigned seed = 1);

} // namespace ListFixture
