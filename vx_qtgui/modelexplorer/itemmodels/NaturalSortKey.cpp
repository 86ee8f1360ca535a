#include "vx_qtgui/modelexplorer/itemmodels/NaturalSortKey.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Exact in a double: longer runs go through from_chars for correct rounding.
constexpr int kExactDigits = 15;

inline char16_t fold(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    if (QChar::isSurrogate(c))
        return c;
    return char16_t(QChar::toCaseFolded(c));
}

inline int compareUnits(const char16_t* a, int na, const char16_t* b, int nb)
{
    const int n = na < nb ? na : nb;
    for (int i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

bool readDigits(const char16_t* text, int length, double* value)
{
    if (length <= kExactDigits) {
        double v = 0;
        for (int i = 0; i < length; ++i) {
            if (text[i] < u'0' || text[i] > u'9')
                return false;
            v = v * 10 + double(text[i] - u'0');
        }
        *value = v;
        return true;
    }
    if (length > 400)
        return false;
    char buffer[401];
    for (int i = 0; i < length; ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
        buffer[i] = char(text[i]);
    }
    const auto result = std::from_chars(buffer, buffer + length, *value);
    return result.ec == std::errc() && result.ptr == buffer + length;
}

} // namespace

const QString& NaturalSortKey::invalidMarker()
{
    static const QString marker = QStringLiteral("__INVALID_PROPERTY_VALUE__");
    return marker;
}

bool NaturalSortKey::readNumber(const QChar* text, int length, double* value)
{
    if (length <= 0 || length > 400)
        return false;
    char buffer[402];
    int n = 0;
    int i = 0;
    if (text[0] == QLatin1Char('+'))
        i = 1; // from_chars takes no plus sign
    if (i < length && i == 1 && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        return false;
    for (; i < length; ++i) {
        const ushort c = text[i].unicode();
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e'
            || c == 'E' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '(' || c == ')'
            || c == '_';
        if (!allowed)
            return false;
        buffer[n++] = char(c);
    }
    if (n == 0)
        return false;
    double v = 0;
    const auto result = std::from_chars(buffer, buffer + n, v, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != buffer + n)
        return false;
    *value = v;
    return true;
}

NaturalSortKey::NaturalSortKey(const QString& text)
    : m_text(text)
{
    const int n = text.size();
    if (n == 0)
        return;
    m_head.kind = readNumber(text.constData(), n, &m_head.number) ? Number : Text;
    const char16_t* s = exact();
    bool folds = false;
    for (int i = 0; i < n; ++i) {
        if (fold(s[i]) != s[i]) {
            folds = true;
            break;
        }
    }
    if (folds) {
        m_folded.resize(n);
        auto* out = reinterpret_cast<char16_t*>(m_folded.data());
        for (int i = 0; i < n; ++i)
            out[i] = fold(s[i]);
    }
    for (int i = 0; i < n;) {
        if (!QChar::isDigit(s[i])) {
            ++i;
            continue;
        }
        int end = i;
        while (end < n && QChar::isDigit(s[end]))
            ++end;
        Run run { i, end, 0.0, false };
        run.valid = readDigits(s + i, end - i, &run.value);
        m_runs.push_back(run);
        i = end;
    }
    buildHead();
    if (text == invalidMarker())
        m_head.kind = Marker;
}

void NaturalSortKey::buildHead()
{
    const char16_t* s = exact();
    const int n = m_text.size();
    constexpr int kUnits = 9;
    std::uint64_t prefix = 0;
    int units = 0;
    bool foldInvariant = true;
    for (; units < kUnits; ++units) {
        std::uint64_t code = 0; // end of text
        bool stop = false;
        if (units < n) {
            const char16_t c = s[units];
            if (c >= u'0' && c <= u'9') {
                code = 0x30;
                stop = true;
                m_head.flags |= DigitReached;
            } else if (c >= 0x7f && QChar::isDigit(c)) {
                m_head.flags |= Untrusted;
                stop = true;
            } else if (c == 0 || c >= 0x7f) {
                code = c == 0 ? 0 : 0x7f; // ties here are settled by the full comparison
                stop = true;
            } else {
                code = fold(c);
                foldInvariant = foldInvariant && code == c;
            }
        } else {
            stop = true;
        }
        prefix |= code << (7 * (kUnits - 1 - units));
        if (stop)
            break;
    }
    m_head.prefix = prefix;
    if (foldInvariant)
        m_head.flags |= FoldInvariant;
    if (!m_runs.empty() && m_runs.front().valid) {
        m_head.flags |= RunValid;
        m_head.run = m_runs.front().value;
    }
    if (m_head.kind == Text)
        buildNormalForm();
}

void NaturalSortKey::buildNormalForm()
{
    const char16_t* s = exact();
    const int n = m_text.size();
    unsigned char bytes[17];
    int length = 0;
    auto put = [&](unsigned char b) {
        if (length < 17)
            bytes[length] = b;
        ++length;
    };
    std::size_t run = 0;
    for (int i = 0; i < n;) {
        const char16_t c = s[i];
        if (run < m_runs.size() && m_runs[run].start == i) {
            const Run& r = m_runs[run++];
            const int digits = r.end - r.start;
            if (digits > kExactDigits || (digits > 1 && s[i] == u'0') || !r.valid)
                return;
            put(0x30);
            put(static_cast<unsigned char>(digits));
            for (int d = r.start; d < r.end; ++d)
                put(static_cast<unsigned char>(s[d]));
            i = r.end;
            continue;
        }
        if (c == 0 || c >= 0x7f || fold(c) != c)
            return;
        put(static_cast<unsigned char>(c));
        ++i;
    }
    put(0);
    m_head.flags |= Canonical;
    if (length <= 16)
        m_head.flags |= NormalFits;
    for (int b = 0; b < 16; ++b) {
        const std::uint64_t value = b < length ? bytes[b] : 0;
        m_head.normal[b / 8] |= value << (8 * (7 - b % 8));
    }
}

int NaturalSortKey::decide(const Head& a, const Head& b)
{
    if (a.kind == Number && b.kind == Number) {
        const bool nanA = std::isnan(a.number);
        const bool nanB = std::isnan(b.number);
        if (nanA || nanB)
            return nanA == nanB ? 0 : (nanA ? 1 : -1);
        return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
    }
    if ((a.flags | b.flags) & Untrusted)
        return Undecided;
    if (a.flags & b.flags & Canonical) {
        if (a.normal[0] != b.normal[0])
            return a.normal[0] < b.normal[0] ? -1 : 1;
        if (a.normal[1] != b.normal[1])
            return a.normal[1] < b.normal[1] ? -1 : 1;
        if (a.flags & b.flags & NormalFits)
            return 0;
        return Undecided;
    }
    // The first differing unit before any digit decides, whichever rule applies.
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix ? -1 : 1;
    // Same text up to a digit at the same place: the first runs decide when they differ.
    constexpr std::uint8_t all = DigitReached | RunValid | FoldInvariant;
    if ((a.flags & all) == all && (b.flags & all) == all && a.run != b.run)
        return a.run < b.run ? -1 : 1;
    return Undecided;
}

int NaturalSortKey::compareClass(const Head& a, const Head& b, Qt::SortOrder order)
{
    // Keys without a value go last whichever way the rows are sorted: marker after empty.
    const int lastA = a.kind == Marker ? 2 : (a.kind == Empty ? 1 : 0);
    const int lastB = b.kind == Marker ? 2 : (b.kind == Empty ? 1 : 0);
    if (!lastA && !lastB)
        return Undecided;
    if (lastA == lastB)
        return 0;
    const int c = lastA > lastB ? 1 : -1;
    return order == Qt::AscendingOrder ? c : -c;
}

void NaturalSortKey::rank(const NaturalSortKey* keys, std::size_t count, Qt::SortOrder order,
    std::vector<std::uint32_t>& ranks)
{
    struct Entry {
        Head head;
        std::uint32_t index;
    };
    std::vector<Entry> entries(count);
    for (std::size_t i = 0; i < count; ++i)
        entries[i] = Entry { keys[i].m_head, std::uint32_t(i) };
    auto compareEntries = [&](const Entry& x, const Entry& y) {
        int c = compareClass(x.head, y.head, order);
        if (c == Undecided)
            c = decide(x.head, y.head);
        if (c == Undecided)
            c = keys[x.index].compareNumbersSlow(keys[y.index]);
        return c;
    };
    // Stable merging tolerates keys whose natural order is not transitive.
    std::stable_sort(entries.begin(), entries.end(),
        [&](const Entry& x, const Entry& y) { return compareEntries(x, y) < 0; });
    ranks.assign(count, 0);
    std::uint32_t position = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && compareEntries(entries[i - 1], entries[i]) != 0)
            position = std::uint32_t(i);
        ranks[entries[i].index] = position;
    }
}

const char16_t* NaturalSortKey::folded() const
{
    return reinterpret_cast<const char16_t*>(m_folded.isNull() ? m_text.utf16() : m_folded.utf16());
}

int NaturalSortKey::collate(const NaturalSortKey& a, int offsetA, int lengthA,
    const NaturalSortKey& b, int offsetB, int lengthB)
{
    if (lengthA == 0 || lengthB == 0)
        return lengthA == lengthB ? 0 : (lengthA == 0 ? -1 : 1);
    const int primary = compareUnits(a.folded() + offsetA, lengthA, b.folded() + offsetB, lengthB);
    if (primary)
        return primary;
    return compareUnits(a.exact() + offsetA, lengthA, b.exact() + offsetB, lengthB);
}

int NaturalSortKey::compareText(const QString& a, const QString& b)
{
    return collate(NaturalSortKey(a), 0, a.size(), NaturalSortKey(b), 0, b.size());
}

int NaturalSortKey::compareNumbers(const NaturalSortKey& a, const NaturalSortKey& b)
{
    const int c = decide(a.m_head, b.m_head);
    return c != Undecided ? c : a.compareNumbersSlow(b);
}

int NaturalSortKey::compareNumbersSlow(const NaturalSortKey& b) const
{
    const NaturalSortKey& a = *this;
    if (a.m_head.kind == Number && b.m_head.kind == Number)
        return decide(a.m_head, b.m_head);
    const int lengthA = a.m_text.size();
    const int lengthB = b.m_text.size();
    int offsetA = 0;
    int offsetB = 0;
    std::size_t runA = 0;
    std::size_t runB = 0;
    while (runA < a.m_runs.size() && runB < b.m_runs.size()) {
        const Run& x = a.m_runs[runA];
        const Run& y = b.m_runs[runB];
        const int i = x.start - offsetA;
        if (i != y.start - offsetB)
            break;
        if (i > 0) {
            if (const int c = collate(a, offsetA, i, b, offsetB, i))
                return c;
        }
        if (!x.valid || !y.valid)
            return collate(a, offsetA, lengthA - offsetA, b, offsetB, lengthB - offsetB);
        if (x.value != y.value)
            return x.value < y.value ? -1 : 1;
        offsetA = x.end;
        offsetB = y.end;
        ++runA;
        ++runB;
    }
    return collate(a, 0, lengthA, b, 0, lengthB);
}

int NaturalSortKey::compareNumbers(const QString& a, const QString& b)
{
    return compareNumbers(NaturalSortKey(a), NaturalSortKey(b));
}

int NaturalSortKey::compare(const NaturalSortKey& a, const NaturalSortKey& b, Qt::SortOrder order)
{
    const int c = compareClass(a.m_head, b.m_head, order);
    return c != Undecided ? c : compareNumbers(a, b);
}
