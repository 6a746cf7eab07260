#pragma once

#include <cstddef>
#include <vector>

namespace kvfd {

// A fixed number of boolean flags. Test and Reset of an index out of range
// are harmless: false and nothing.
class FlagSet
{
public:
    FlagSet(int count, bool initial)
        : m_flags(count > 0 ? std::size_t(count) : 0, initial)
    { }

    int Size() const { return static_cast<int>(m_flags.size()); }
    bool Test(int i) const { return InRange(i) && m_flags[std::size_t(i)]; }
    void Set(int i)
    {
        if (InRange(i))
            m_flags[std::size_t(i)] = true;
    }
    void Reset(int i)
    {
        if (InRange(i))
            m_flags[std::size_t(i)] = false;
    }

private:
    bool InRange(int i) const { return i >= 0 && std::size_t(i) < m_flags.size(); }
    std::vector<bool> m_flags;
};

} // namespace kvfd
