// The help file reader must take any bytes: a file it accepts has an index
// page among its pages, and every page it lists can be asked for.
#include "platform/HelpBook.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Result<HelpBook> r = HelpBook::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!r)
        return 0;
    if (!r.value.contains(r.value.indexPage()))
        std::abort();
    for (const QString &page : r.value.pageNames())
        if (!r.value.contains(page))
            std::abort();
    r.value.contextPage(1009);
    return 0;
}
