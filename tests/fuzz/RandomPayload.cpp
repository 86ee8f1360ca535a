#include "tests/fuzz/RandomPayload.h"

#include "messaging/QtActionMessage.h"
#include "messaging/QtAddSubmenuMessage.h"
#include "messaging/QtBoolArrayMessage.h"
#include "messaging/QtBoolInt2Message.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtConvertQPixmapToQImage.h"
#include "messaging/QtDoubleArrayMessage.h"
#include "messaging/QtDoubleMessage.h"
#include "messaging/QtGridStretchMessage.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleNumStrMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtHandleStrBoolMessage.h"
#include "messaging/QtHandleString6IntMessage.h"
#include "messaging/QtHandleUString6IntMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntArrayMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtProgressMessage.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStr2Int2Message.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStrIntMessage.h"
#include "messaging/QtString2BoolMessage.h"
#include "messaging/QtString2Message.h"
#include "messaging/QtString4Message.h"
#include "messaging/QtString5Message.h"
#include "messaging/QtStringIDMapMessage.h"
#include "messaging/QtStringList2Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/QtUIDStringList2Message.h"
#include "messaging/QtUIDsMessage.h"
#include "messaging/QtWFlagsMessage.h"

#include <climits>
#include <iterator>
#include <limits>
#include <memory>

namespace vxtest {

namespace {

// Fills one message of a payload class; `p` supplies the random values.
using Maker = QtMessage* (*)(RandomPayload& p, void* target, VXMessageType id, void* handle);

struct PayloadClass {
    const char* name;
    Maker make;
};

// An array length: mostly short, sometimes empty, now and then huge.
std::size_t anyLength(RandomPayload& p)
{
    return static_cast<std::size_t>(p.below(4) == 0 ? p.below(4)
            : p.below(50) == 0                      ? 100000
                                                    : p.below(16));
}

QStringList anyList(RandomPayload& p, int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << p.anyString();
    return list;
}

// One field drawn by its type.
struct Draw {
    RandomPayload& p;
    void operator()(QString& field) { field = p.anyString(); }
    void operator()(int& field) { field = p.anyInt(); }
    void operator()(bool& field) { field = p.anyBool(); }
    void operator()(double& field) { field = p.anyDouble(); }
};

// Fills the fields in the order given, so a seed always draws the same message.
template <typename... F> void fill(RandomPayload& p, F&... fields)
{
    (Draw { p }(fields), ...);
}

// Hands message `m` a random array of T.
template <typename T, typename M> void fillArray(RandomPayload& p, M* m)
{
    std::vector<T> values(anyLength(p));
    for (T& v : values)
        Draw { p }(v);
    m->setValues(values.data(), static_cast<int>(values.size()));
}

// A new array of `n` random integers, or null when `n` is 0.
int* anyInts(RandomPayload& p, int n)
{
    int* values = n > 0 ? new int[n] : nullptr;
    for (int i = 0; i < n; ++i)
        values[i] = p.anyInt();
    return values;
}

// One payload class: a bare message of class M whose fields the statements given set from the
// payload source `p` and a handle `h`.
// clang-format off
#define VX_PAYLOAD(M, ...)                                                                     \
    { #M, [](RandomPayload& p, void* t, VXMessageType id, void* h) -> QtMessage* {            \
          auto* m = new M(t, id);                                                               \
          (void)p, (void)h;                                                                    \
          __VA_ARGS__;                                                                         \
          return m;                                                                            \
      } }
// clang-format on

const PayloadClass kClasses[] = {
    VX_PAYLOAD(QtMessage, {}),
    VX_PAYLOAD(QtActionMessage, m->m_handle = h,
        fill(p, m->m_string1, m->m_string2, m->m_string3, m->m_string4, m->m_string5, m->m_string6,
            m->m_bool1, m->m_bool2, m->m_bool3, m->m_bool4)),
    VX_PAYLOAD(
        QtAddSubmenuMessage, m->m_handle = h, fill(p, m->m_string1, m->m_string2, m->m_bool)),
    VX_PAYLOAD(QtBoolArrayMessage,
        {
            const int n = p.below(3) == 0 ? 0 : p.below(64);
            std::unique_ptr<bool[]> flags(new bool[static_cast<std::size_t>(n) + 1]);
            for (int i = 0; i < n; ++i)
                flags[i] = p.anyBool();
            m->setValues(flags.get(), n);
        }),
    VX_PAYLOAD(QtBoolInt2Message, fill(p, m->m_bool, m->m_int1, m->m_int2)),
    VX_PAYLOAD(QtBoolMessage, fill(p, m->m_bool)),
    // No pixmap and no image: the pointers are the engine's own, never random.
    VX_PAYLOAD(QtConvertQPixmapToQImage, {}),
    VX_PAYLOAD(QtDoubleArrayMessage, fillArray<double>(p, m)),
    VX_PAYLOAD(QtDoubleMessage, fill(p, m->m_double)),
    VX_PAYLOAD(QtGridStretchMessage,
        {
            // The arrays are as long as their counts say, or absent with a zero count.
            m->m_rowStretch = anyInts(p, m->m_rowCount = p.below(20));
            m->m_columnStretch = anyInts(p, m->m_columnCount = p.below(20));
        }),
    VX_PAYLOAD(QtHandleBoolMessage, m->m_handle = h, fill(p, m->m_bool)),
    VX_PAYLOAD(QtHandleInt5Message, m->m_handle = h,
        fill(p, m->m_int1, m->m_int2, m->m_int3, m->m_int4, m->m_int5)),
    VX_PAYLOAD(QtHandleMessage, m->m_handle = h),
    VX_PAYLOAD(QtHandleNumStrMessage, m->m_handle = h, fill(p, m->m_int, m->m_string)),
    VX_PAYLOAD(QtHandleStr4Message, m->m_handle = h,
        fill(p, m->m_string1, m->m_string2, m->m_string3, m->m_string4)),
    VX_PAYLOAD(QtHandleStrBoolMessage, m->m_handle = h, fill(p, m->m_string, m->m_bool)),
    VX_PAYLOAD(QtHandleString6IntMessage,
        fill(p, m->m_string1, m->m_string2, m->m_string3, m->m_string4, m->m_string5, m->m_string6,
            m->m_int)),
    VX_PAYLOAD(QtHandleUString6IntMessage,
        fill(p, m->m_string1, m->m_string2, m->m_string3, m->m_string4, m->m_string5, m->m_string6,
            m->m_int)),
    VX_PAYLOAD(QtInt5Message, fill(p, m->m_int1, m->m_int2, m->m_int3, m->m_int4, m->m_int5)),
    VX_PAYLOAD(QtIntArrayMessage, fillArray<int>(p, m)),
    VX_PAYLOAD(QtIntMessage, fill(p, m->m_int)),
    VX_PAYLOAD(QtListInt2Message,
        {
            m->m_list = anyList(p, p.below(8));
            fill(p, m->m_int1, m->m_int2);
        }),
    VX_PAYLOAD(QtProgressMessage,
        fill(p, m->m_string1, m->m_string2, m->m_int1, m->m_int2, m->m_int3, m->m_bool)),
    VX_PAYLOAD(QtRectMessage, fill(p, m->m_left, m->m_top, m->m_right, m->m_bottom)),
    VX_PAYLOAD(QtStr2Int2Message, fill(p, m->m_string1, m->m_string2, m->m_int1, m->m_int2)),
    VX_PAYLOAD(QtStrInt4Message, fill(p, m->m_string, m->m_int1, m->m_int2, m->m_int3, m->m_int4)),
    VX_PAYLOAD(QtStrIntMessage, fill(p, m->m_string, m->m_int)),
    VX_PAYLOAD(QtString2BoolMessage,
        {
            fill(p, m->m_string1, m->m_string2);
            // Modal boxes are closed by the run's watchdog; keep most boxes modeless.
            m->m_bool = p.below(8) == 0;
        }),
    VX_PAYLOAD(QtString2Message, fill(p, m->m_string1, m->m_string2)),
    VX_PAYLOAD(QtString4Message, fill(p, m->m_string1, m->m_string2, m->m_string3, m->m_string4)),
    VX_PAYLOAD(QtString5Message,
        fill(p, m->m_string1, m->m_string2, m->m_string3, m->m_string4, m->m_string5)),
    VX_PAYLOAD(QtStringIDMapMessage,
        {
            for (int i = p.below(12); i > 0; --i)
                m->m_map.insert(p.anyInt(), p.anyString());
        }),
    VX_PAYLOAD(QtStringList2Message,
        {
            m->m_list1 = anyList(p, p.below(8));
            m->m_list2 = anyList(p, p.below(8));
        }),
    VX_PAYLOAD(QtStringMessage, fill(p, m->m_string)),
    VX_PAYLOAD(QtUIDStringList2Message,
        {
            m->m_uid = static_cast<unsigned>(p.anyInt());
            m->m_handle = h;
            m->m_list1 = anyList(p, p.below(8));
            m->m_list2 = anyList(p, p.below(8));
        }),
    VX_PAYLOAD(QtUIDsMessage,
        {
            m->m_handle = h;
            for (int i = p.below(10); i > 0; --i)
                m->m_uids.push_back(static_cast<unsigned>(p.anyInt()));
        }),
    VX_PAYLOAD(QtWFlagsMessage, m->m_flags = static_cast<std::uint32_t>(p.anyInt())),
};

#undef VX_PAYLOAD

constexpr int kClassCount = int(std::size(kClasses));

} // namespace

RandomPayload::RandomPayload(std::mt19937& random)
    : m_random(random)
{
}

int RandomPayload::classCount()
{
    return kClassCount;
}

const char* RandomPayload::className(int index)
{
    return index >= 0 && index < kClassCount ? kClasses[index].name : "?";
}

QtMessage* RandomPayload::make(
    int index, void* target, VXMessageType id, const std::vector<void*>& handles)
{
    m_asked = 0;
    if (index < 0 || index >= kClassCount)
        index = 0;
    return kClasses[index].make(*this, target, id, anyHandle(handles));
}

void RandomPayload::startSweep(int position, int value)
{
    m_sweeping = true;
    m_position = position;
    m_value = value;
}

int RandomPayload::below(int bound)
{
    if (bound <= 1)
        return 0;
    if (m_sweeping)
        return 1;
    return std::uniform_int_distribution<int>(0, bound - 1)(m_random);
}

bool RandomPayload::anyBool()
{
    return below(2) == 1; // true while sweeping
}

int RandomPayload::anyInt()
{
    static const int kEdges[] = { 0, 1, -1, 2, 3, 255, 256, 65535, 65536, -65536, 1 << 24, INT_MAX,
        INT_MIN, INT_MAX - 1, INT_MIN + 1 };
    if (m_sweeping)
        return m_asked++ == m_position ? m_value : 1;
    if (below(4) == 0)
        return kEdges[below(int(std::size(kEdges)))];
    return std::uniform_int_distribution<int>(-10, 500)(m_random);
}

double RandomPayload::anyDouble()
{
    static const double kEdges[] = { 0.0, -0.0, 1.0, -1.0, 0.5, 1e308, -1e308, 1e-308,
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::denorm_min() };
    if (m_sweeping)
        return 1.0;
    if (below(3) == 0)
        return kEdges[below(int(std::size(kEdges)))];
    return std::uniform_real_distribution<double>(-1000.0, 1000.0)(m_random);
}

QString RandomPayload::anyString()
{
    if (m_sweeping)
        return QStringLiteral("x");
    static const char* const kTexts[]
        = { "<b>rich</b> &amp; <a href=\"velmar:x\">link</a><table><tr><td>", "&&&&&&&&&&&",
              "255,0,0", "-1,999999,abc,,", "/no/such/file.png", "line\nbreak\ttab\r\n" };
    const int pick = below(12);
    if (pick >= 4 && pick < 10)
        return QString::fromLatin1(kTexts[pick - 4]);
    switch (pick) {
    case 0:
        return QString(); // null
    case 1:
        return QStringLiteral("");
    case 2: {
        // Huge, now and then.
        const int length = below(40) == 0 ? 200000 : 4096;
        return QString(length, QChar(u'a' + below(26)));
    }
    case 3: {
        // Lone surrogates, a NUL, a right-to-left mark and a combining accent.
        const char16_t odd[] = { 0xD800, u'x', 0xDFFF, 0, 0x200F, u'e', 0x0301, 0xFFFF };
        return QString(reinterpret_cast<const QChar*>(odd), 8);
    }
    default: {
        QString text;
        for (int i = below(24); i > 0; --i)
            text += QChar(static_cast<char16_t>(0x20 + below(0x2FF)));
        return text;
    }
    }
}

void* RandomPayload::anyHandle(const std::vector<void*>& handles)
{
    if (handles.empty() || below(6) == 0)
        return nullptr;
    return handles[static_cast<std::size_t>(below(static_cast<int>(handles.size())))];
}

} // namespace vxtest
