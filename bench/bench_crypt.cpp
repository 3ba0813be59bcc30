// Encrypting and decrypting a whole book of 100,000 contacts, against a plain
// copy of the same text bytes.
#include "BookGenerator.h"

#include "crypt/BookCrypt.h"

#include <cstring>

int main(int argc, char **argv)
{
    // A count as the first argument; anything else (such as --quick) keeps the default.
    const int given = argc > 1 ? std::atoi(argv[1]) : 0;
    const int count = given > 0 ? given : 100000;
    const int runs = 5;
    const std::vector<TEnreg> plain = generateBook(count);
    qsizetype textBytes = 0;
    for (const TEnreg &r : plain)
        textBytes += r.textBytes();

    std::vector<TEnreg> work;
    std::vector<TEnreg> encrypted = plain;
    BookCrypt::encryptRecords(encrypted, "correct horse battery staple");

    // The floor: every text byte copied once into one buffer.
    QByteArray sink(textBytes, Qt::Uninitialized);
    const double copyMs = medianMs(runs, [] {}, [&] {
        char *out = sink.data();
        for (const TEnreg &r : plain)
            for (int s = 0; s < TEnreg::TextCount; ++s) {
                const QByteArrayView t = r.text(s);
                std::memcpy(out, t.data(), size_t(t.size()));
                out += t.size();
            }
    });
    // And the same number of bytes in one block, the memory's own speed.
    QByteArray block(textBytes, 'x');
    const double memcpyMs = medianMs(runs, [] {}, [&] {
        std::memcpy(sink.data(), block.constData(), size_t(textBytes));
    });
    const double encryptMs = medianMs(runs, [&] { work = plain; }, [&] {
        BookCrypt::encryptRecords(work, "correct horse battery staple");
    });
    std::vector<TEnreg> decrypted;
    const double decryptMs = medianMs(runs, [&] { decrypted.clear(); }, [&] {
        decrypted = BookCrypt::decryptRecords(encrypted, "correct horse battery staple");
    });
    if (!std::equal(decrypted.begin(), decrypted.end(), plain.begin()))
        std::fputs("bench_crypt: decryption did not give the book back\n", stderr);

    std::printf("bench_crypt: %d contacts, %.1f MB of text, median of %d runs\n", count, double(textBytes) / 1e6,
                runs);
    std::printf("  one memcpy of as many bytes    %8.1f ms\n", memcpyMs);
    std::printf("  plain copy of the text bytes   %8.1f ms  (field by field)\n", copyMs);
    std::printf("  encrypt                        %8.1f ms  (%.1f x copy)\n", encryptMs, encryptMs / copyMs);
    std::printf("  decrypt (with its judgement)   %8.1f ms  (%.1f x copy)\n", decryptMs, decryptMs / copyMs);
    return 0;
}
