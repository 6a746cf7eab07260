#pragma once

namespace kvfd {

// Reference-counted base of objects shared through KvPtr. A new object has
// count 0; the first KvPtr takes it to 1 and the last RefDec deletes it. The
// count is a plain integer: the KvPtrs of one object are copied and released
// on one thread at a time.
class Transient
{
public:
    Transient() = default;
    Transient(const Transient&)
        : m_refs(0)
    { }
    Transient& operator=(const Transient&) { return *this; }
    virtual ~Transient() = default;

    void RefInc() const { ++m_refs; }
    void RefDec() const
    {
        if (--m_refs == 0)
            delete this;
    }
    int RefCount() const { return m_refs; }

private:
    mutable int m_refs = 0;
};

// Intrusive shared pointer to a Transient. There is no move: a swap of two
// KvPtrs goes through a copy, so neither count ever touches 0 on the way.
template <class T> class KvPtr
{
public:
    KvPtr() = default;
    KvPtr(T* p)
        : m_p(p)
    {
        Inc();
    } // NOLINT: implicit by design, like a raw pointer
    KvPtr(const KvPtr& other)
        : m_p(other.m_p)
    {
        Inc();
    }
    template <class U>
    KvPtr(const KvPtr<U>& other)
        : m_p(other.Get())
    {
        Inc();
    }
    ~KvPtr() { Dec(); }

    KvPtr& operator=(const KvPtr& other)
    {
        // The new target first, so that assigning a KvPtr to itself (or to
        // another holder of the same object) never releases the object.
        other.Inc();
        Dec();
        m_p = other.m_p;
        return *this;
    }

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    bool operator==(const KvPtr& other) const { return m_p == other.m_p; }
    bool operator!=(const KvPtr& other) const { return m_p != other.m_p; }

    template <class U> KvPtr<U> Cast() const { return KvPtr<U>(dynamic_cast<U*>(m_p)); }

private:
    void Inc() const
    {
        if (m_p)
            m_p->RefInc();
    }
    void Dec() const
    {
        if (m_p)
            m_p->RefDec();
    }
    T* m_p = nullptr;
};

} // namespace kvfd
