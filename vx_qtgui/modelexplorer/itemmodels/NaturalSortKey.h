#pragma once

#include <QString>

#include <cstdint>
#include <vector>

/// A sort key read once for the list's natural, number-aware order: whether the whole text is a
/// number, where its digit runs are and what they are worth, and its case-folded form. Comparing
/// two prepared keys then parses nothing. The order does not depend on the process locale: text
/// compares by case-folded UTF-16 code units, ties broken by the exact code units.
class NaturalSortKey {
public:
    /// The key of a row whose property has no valid value.
    static const QString& invalidMarker();

    NaturalSortKey() = default;
    explicit NaturalSortKey(const QString& text);

    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_head.kind == Empty; }
    bool isInvalidMarker() const { return m_head.kind == Marker; }

    /// Negative, zero or positive: whole numbers by value, else digit runs by value between
    /// equal text, else plain text order.
    static int compareNumbers(const NaturalSortKey& a, const NaturalSortKey& b);
    static int compareNumbers(const QString& a, const QString& b);
    /// The list's key order: real keys by `compareNumbers`, then empty keys, then the invalid
    /// marker, in either direction (the result is for a sort in `order`).
    static int compare(const NaturalSortKey& a, const NaturalSortKey& b, Qt::SortOrder order);
    /// The locale-independent text order used wherever text is compared.
    static int compareText(const QString& a, const QString& b);
    /// Ranks `count` prepared keys for a sort in `order`: `ranks[i]` is key i's position, equal
    /// keys share one. Most comparisons are settled on a few bytes copied out of each key.
    static void rank(const NaturalSortKey* keys, std::size_t count, Qt::SortOrder order,
        std::vector<std::uint32_t>& ranks);
    /// Strict reading of a whole text as a C-locale floating-point number (no blanks, no group
    /// separators; "inf" and "nan" read). False for text that is not one, or out of range.
    static bool readNumber(const QChar* text, int length, double* value);

private:
    enum Kind : std::uint8_t { Empty, Marker, Number, Text };
    enum HeadFlag : std::uint8_t {
        DigitReached = 1, // the prefix ends at the first digit, an ASCII one
        RunValid = 2, // the first digit run reads as a number
        FoldInvariant = 4, // the text before the first digit has no capitals
        Untrusted = 8, // a digit of another script: only the full comparison knows
        Canonical = 16, // plain ASCII text without capitals whose runs have no leading zeros
        NormalFits = 32, // the whole normal form is in `normal`
    };
    // What most comparisons need, in a few bytes: up to nine case-folded ASCII units before the
    // first digit (7 bits each, first unit highest), the whole number, the first run's value.
    // A canonical key also has a normal form that orders bytewise exactly as the natural
    // comparison does: text units as they are, each digit run as 0x30, its length and its digits,
    // then 0. Its first 16 bytes are kept in `normal`, first byte highest.
    struct Head {
        std::uint64_t normal[2] = { 0, 0 };
        std::uint64_t prefix = 0;
        double number = 0.0;
        double run = 0.0;
        Kind kind = Empty;
        std::uint8_t flags = 0;
    };
    static constexpr int Undecided = 2;
    // -1, 0 or 1 when the heads settle the natural comparison of two real keys, else Undecided.
    static int decide(const Head& a, const Head& b);
    static int compareClass(const Head& a, const Head& b, Qt::SortOrder order);
    void buildHead();
    void buildNormalForm();
    int compareNumbersSlow(const NaturalSortKey& b) const;

    struct Run {
        std::int32_t start;
        std::int32_t end;
        double value;
        bool valid;
    };

    const char16_t* folded() const;
    const char16_t* exact() const { return reinterpret_cast<const char16_t*>(m_text.utf16()); }
    static int collate(const NaturalSortKey& a, int offsetA, int lengthA, const NaturalSortKey& b,
        int offsetB, int lengthB);

    QString m_text;
    QString m_folded; // null when folding changes nothing
    std::vector<Run> m_runs;
    Head m_head;
};
