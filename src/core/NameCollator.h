#pragma once

#include <QByteArray>
#include <QLocale>
#include <QStringView>

#include <string>

struct UCollator;

// Turns names into sort keys: byte strings whose plain byte order (memcmp,
// shorter first on a tie) is the order of the names in one locale, without
// regard to case. Sorting by keys made once per name is what keeps a list of
// a hundred thousand contacts quick; comparing names through a collator
// inside a sort is many times slower.
//
// A named locale collates with ICU at secondary strength (accents count,
// letter case does not). The C locale has no collation rules: there the key
// is the case-folded text in code-point order, so "apple" and "Apple" still
// sort together.
class NameCollator
{
public:
    explicit NameCollator(const QLocale &locale = QLocale());
    ~NameCollator();
    NameCollator(const NameCollator &) = delete;
    NameCollator &operator=(const NameCollator &) = delete;

    const QLocale &locale() const { return m_locale; }
    // True when keys follow the locale's rules, false in code-point order.
    bool usesLocaleRules() const { return m_icu != nullptr; }

    // Appends the key of `text` to `out`.
    void appendKey(QStringView text, std::string &out) const;
    QByteArray key(QStringView text) const;

    // Orders two texts as their keys would (for tests and one-off checks;
    // sorting code compares cached keys instead).
    int compare(QStringView a, QStringView b) const;

private:
    QLocale m_locale;
    UCollator *m_icu = nullptr;
};
