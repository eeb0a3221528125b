// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime {

// Puts a stand-in for one of the program's services (random source, message dialog, registry)
// in place for as long as the scope object lives; scopes nest. The service's current() answers
// with the innermost stand-in alive, or with the real service when there is none.
template<typename Service>
class ServiceScope
{
public:
    explicit ServiceScope(Service &standIn)
        : m_previous(s_standIn)
    {
        s_standIn = &standIn;
    }
    ~ServiceScope() { s_standIn = m_previous; }
    ServiceScope(const ServiceScope &) = delete;
    ServiceScope &operator=(const ServiceScope &) = delete;

    static Service *standIn() { return s_standIn; }

private:
    Service *m_previous;
    static inline Service *s_standIn = nullptr;
};

} // namespace runtime
