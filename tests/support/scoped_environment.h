#pragma once

#include <QByteArray>

// Sets an environment variable for the lifetime of the object and puts back what was
// there before (or unsets it), also when the test fails half-way.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_previous;
};
