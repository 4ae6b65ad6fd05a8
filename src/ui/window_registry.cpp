#include "window_registry.h"

const WindowRegistry::Opener *WindowRegistry::find(const QString &name) const
{
    const auto it = m_openers.find(name);
    return it == m_openers.end() ? nullptr : &it->second;
}
