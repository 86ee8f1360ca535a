// The natural, number-aware key order: pairwise rules, whole orders, and hostile keys.
#include "vx_qtgui/modelexplorer/itemmodels/NaturalSortKey.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QRegExp>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

struct Pair {
    const char* a;
    const char* b;
    int sign; // of compareNumbers(a, b)
};

int sign(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

class NaturalPairTest : public testing::TestWithParam<Pair> { };

TEST_P(NaturalPairTest, ComparesBothWaysWithOppositeSigns)
{
    const Pair p = GetParam();
    const QString a = QString::fromUtf8(p.a);
    const QString b = QString::fromUtf8(p.b);
    EXPECT_EQ(sign(NaturalSortKey::compareNumbers(a, b)), p.sign) << p.a << " vs " << p.b;
    EXPECT_EQ(sign(NaturalSortKey::compareNumbers(b, a)), -p.sign) << p.b << " vs " << p.a;
}

INSTANTIATE_TEST_SUITE_P(Rules, NaturalPairTest,
    testing::Values(
        // Whole texts that read as numbers compare by value.
        Pair { "1e3", "999", 1 }, Pair { "1.10", "1.9", -1 }, Pair { "-5", "3", -1 },
        Pair { "+2", "2", 0 }, Pair { "0.5", ".5", 0 }, Pair { "10", "9", 1 },
        // Not-a-number after every number; two of them are equal.
        Pair { "nan", "1e308", 1 }, Pair { "nan", "NaN", 0 }, Pair { "inf", "nan", -1 },
        // Digit runs by value between equal text.
        Pair { "item2", "item10", -1 }, Pair { "ver1.10", "ver1.9", 1 },
        Pair { "a10b2", "a10b10", -1 }, Pair { "a9", "a10", -1 }, Pair { "item2x", "item2y", -1 },
        Pair { "file 3", "file 20", -1 },
        // Equal runs, then the whole keys decide as text.
        Pair { "a9", "a9b", -1 }, Pair { "a007", "a7", -1 },
        // First digits at different positions: plain text order.
        Pair { "x1y", "xy1", -1 }, Pair { "ab1", "a2", 1 }, Pair { "a-", "a1", -1 },
        // Text before the digits decides first, case folded, then exact case.
        Pair { "b1", "a2", 1 }, Pair { "Apple", "banana", -1 }, Pair { "A1", "a2", -1 },
        Pair { "A2", "a1", -1 }, Pair { "abc", "ABC", 1 },
        // Digits that do not read as numbers (other scripts, overlong runs, out
        // of range): text order.
        Pair { "x\xd9\xa3", "x\xd9\xa2", 1 }, Pair { "", "a", -1 }, Pair { "", "", 0 },
        Pair { "1e999", "2", -1 }));

// Both directions with empty and invalid keys last: ListProxyModelTest sorts through the proxy.
TEST(NaturalOrderTest, KeysSortAndRankInOneOrder)
{
    const QString marker = NaturalSortKey::invalidMarker();
    // "nan" reads as a number but meets text by text; capitals first within equal folding.
    const QStringList expected { "-1", "2", "10", "1e2", "alpha", "Item10", "item1", "item2",
        "item2", "item10", "nan", "v1.2.3", "v1.10.0", QString(), marker };
    QStringList shuffled = expected;
    std::reverse(shuffled.begin(), shuffled.end());
    std::rotate(shuffled.begin(), shuffled.begin() + 5, shuffled.end());
    std::vector<NaturalSortKey> keys(shuffled.begin(), shuffled.end());
    std::vector<std::uint32_t> ranks;
    NaturalSortKey::rank(keys.data(), keys.size(), Qt::AscendingOrder, ranks);
    ASSERT_EQ(ranks.size(), keys.size());
    for (int i = 0; i < shuffled.size(); ++i) // equal keys share the first of their places
        EXPECT_EQ(ranks[i], std::uint32_t(expected.indexOf(shuffled[i])))
            << qPrintable(shuffled[i]);
    NaturalSortKey::rank(keys.data(), keys.size(), Qt::DescendingOrder, ranks);
    EXPECT_EQ(ranks[shuffled.indexOf(marker)], 0u)
        << "ranked first, so a descending sort shows it last";
    EXPECT_EQ(ranks[shuffled.indexOf(QString())], 1u);

    std::stable_sort(
        keys.begin(), keys.end(), [](const NaturalSortKey& x, const NaturalSortKey& y) {
            return NaturalSortKey::compare(x, y, Qt::AscendingOrder) < 0;
        });
    QStringList sorted;
    for (const NaturalSortKey& k : keys)
        sorted << k.text();
    EXPECT_EQ(sorted, expected);
}

// The comparison written out step by step on plain strings, parsing on every call: the prepared
// keys' shortcuts must agree with it on every pair.
int oracleText(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded ? folded : QString::compare(a, b, Qt::CaseSensitive);
}

int oracle(const QString& a, const QString& b)
{
    double x = 0;
    double y = 0;
    if (NaturalSortKey::readNumber(a.constData(), a.size(), &x)
        && NaturalSortKey::readNumber(b.constData(), b.size(), &y)) {
        if (std::isnan(x) || std::isnan(y))
            return std::isnan(x) == std::isnan(y) ? 0 : (std::isnan(x) ? 1 : -1);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const QRegExp digit(QStringLiteral("\\d"));
    const QRegExp nonDigit(QStringLiteral("\\D"));
    QString ca = a;
    QString cb = b;
    for (;;) {
        const int i = digit.indexIn(ca);
        const int j = digit.indexIn(cb);
        if (i < 0 || j < 0 || i != j)
            break;
        if (i > 0) {
            if (const int c = oracleText(ca.left(i), cb.left(i)))
                return c;
        }
        const int ea = nonDigit.indexIn(ca, i);
        const int eb = nonDigit.indexIn(cb, i);
        const QString ra = ea > 0 ? ca.mid(i, ea - i) : ca.mid(i);
        const QString rb = eb > 0 ? cb.mid(i, eb - i) : cb.mid(i);
        bool okA = false;
        bool okB = false;
        const double va = QLocale::c().toDouble(ra, &okA);
        const double vb = QLocale::c().toDouble(rb, &okB);
        if (!okA || !okB)
            return oracleText(ca, cb);
        if (va != vb)
            return va < vb ? -1 : 1;
        ca = ea > 0 ? ca.mid(ea) : QString();
        cb = eb > 0 ? cb.mid(eb) : QString();
    }
    return oracleText(a, b);
}

TEST(NaturalOrderTest, PreparedKeysAgreeWithTheStepByStepRulesOnRandomKeys)
{
    // Small alphabets make shared prefixes, equal runs and case ties common: one with capitals,
    // signs and digits of another script,
    const QString alphabet = QString::fromUtf8("aAbB.-+e 0123456789\xc3\xa9\xd9\xa3");
    std::mt19937 random(4242);
    std::vector<QString> texts;
    // and one that gives mostly plain lower-case keys like "v1.20b3".
    const QString plain = QStringLiteral("ab.v123456789-0");
    for (int k = 0; k < 2000; ++k) {
        const QString& letters = k % 2 ? alphabet : plain;
        QString t;
        const int length = int(random() % 14);
        for (int c = 0; c < length; ++c)
            t += letters[int(random() % unsigned(letters.size()))];
        texts.push_back(t);
    }
    texts.push_back(QStringLiteral("item") + QString(30, QLatin1Char('9')));
    texts.push_back(QStringLiteral("item") + QString(30, QLatin1Char('9')) + QLatin1Char('8'));
    std::vector<NaturalSortKey> keys(texts.begin(), texts.end());
    int mismatches = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        for (std::size_t j = i; j < keys.size(); j += 1 + random() % 7) {
            const int expected = sign(oracle(texts[i], texts[j]));
            if (sign(NaturalSortKey::compareNumbers(keys[i], keys[j])) != expected
                && ++mismatches < 10)
                ADD_FAILURE() << texts[i].toStdString() << " vs " << texts[j].toStdString();
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(NaturalOrderTest, StrictNumberReading)
{
    const std::pair<const char*, bool> table[] = { { "12", true }, { "-1.5e-3", true },
        { "+7", true }, { "inf", true }, { "NaN", true }, { " 1", false }, { "1 ", false },
        { "1,000", false }, { "0x10", false }, { "+-1", false }, { "", false }, { "abc", false },
        { "1e999", false }, { "1.2.3", false } };
    for (const auto& [text, reads] : table) {
        const QString s = QString::fromLatin1(text);
        double value = 0;
        EXPECT_EQ(NaturalSortKey::readNumber(s.constData(), s.size(), &value), reads) << text;
    }
}

TEST(NaturalOrderTest, HostileKeysCompareWithoutHarm)
{
    const QString huge(1 << 20, QLatin1Char('7')); // a 1 MB digit run that reads as no number
    const QString hugeText = QStringLiteral("x") + huge;
    const QString longName = QString(1 << 19, QLatin1Char('a')) + QStringLiteral("5");
    EXPECT_EQ(NaturalSortKey::compareNumbers(hugeText, hugeText), 0);
    EXPECT_LT(NaturalSortKey::compareNumbers(QStringLiteral("x1"), hugeText), 0);
    EXPECT_GT(
        NaturalSortKey::compareNumbers(longName, QString(1 << 19, QLatin1Char('a')) + "4"), 0);
    const QString beyondDouble = QStringLiteral("1") + QString(400, QLatin1Char('0'));
    // A run too long to read as a number: the rest compares as text, and '1' < '2'.
    EXPECT_LT(
        NaturalSortKey::compareNumbers(QStringLiteral("n") + beyondDouble, QStringLiteral("n2")),
        0);
}

} // namespace
