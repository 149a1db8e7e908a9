#pragma once

#include <cstdlib>
#include <string>

// Sets an environment variable for one test, or takes it away (a null
// value), and puts the old value back afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : m_name(name)
    {
        const char* old = std::getenv(name);
        m_hadValue = old != nullptr;
        if (old) m_old = old;
        Put(value);
    }
    ~ScopedVariable() { Put(m_hadValue ? m_old.c_str() : nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void Put(const char* value) const { _putenv((m_name + "=" + (value ? value : "")).c_str()); }
    std::string m_name;
    std::string m_old;
    bool m_hadValue = false;
};
