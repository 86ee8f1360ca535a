#pragma once

namespace VRIX {

/// A set of enum bits carried as one word (drop actions, mouse buttons). Any thread.
template <class Enum> class VXFlags {
public:
    constexpr VXFlags() = default;
    constexpr VXFlags(Enum flag)
        : m_word(static_cast<unsigned>(flag))
    {
    }
    constexpr explicit VXFlags(unsigned word)
        : m_word(word)
    {
    }

    constexpr unsigned word() const { return m_word; }
    constexpr bool testFlag(Enum flag) const
    {
        return (m_word & static_cast<unsigned>(flag)) == static_cast<unsigned>(flag);
    }
    constexpr VXFlags operator|(VXFlags other) const { return VXFlags(m_word | other.m_word); }
    constexpr bool operator==(VXFlags other) const { return m_word == other.m_word; }
    constexpr bool operator!=(VXFlags other) const { return m_word != other.m_word; }

private:
    unsigned m_word = 0;
};

} // namespace VRIX
