#include "Automation.h"

bool AutomationRegistry::EnsureInitialized()
{
    if (!bInitialized)
        bInitialized = InitializeThread();
    return bInitialized;
}

DispatchRef AutomationRegistry::CreateObject(const QString& progId) const
{
    const auto found = aFactories.find(progId);
    return found == aFactories.end() || !found->second ? nullptr : found->second();
}
