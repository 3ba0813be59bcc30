// Without libFuzzer: feeds every file named on the command line (or found in
// the folders named) to the fuzz target once, so the corpus runs as a test.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        QStringList files;
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
        } else {
            files << arg;
        }
        for (const QString &name : files) {
            QFile f(name);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray d = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(d.constData()), size_t(d.size()));
            ++count;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return count > 0 ? 0 : 1;
}
