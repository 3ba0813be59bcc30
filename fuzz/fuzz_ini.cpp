// The INI reader must take any bytes and answer every read with a value
// or the default.
#include "settings/IniFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const IniFile ini = IniFile::fromContent(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const QString &section : ini.sections()) {
        for (const QString &key : ini.keys(section)) {
            if (ini.readString(section, key).size() > IniFile::MaxValueLength)
                std::abort();
            ini.readInteger(section, key, 0);
            ini.readFloat(section, key, 0.0);
            ini.readBool(section, key, false);
        }
    }
    return 0;
}
