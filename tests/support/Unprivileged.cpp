#include "Unprivileged.h"

#include <exception>
#include <unistd.h>

namespace {
constexpr uid_t Nobody = 65534;
}

Unprivileged::Unprivileged()
{
    WasRoot = geteuid() == 0;
    IsActive = !WasRoot || setresuid(Nobody, Nobody, 0) == 0;
}

Unprivileged::~Unprivileged()
{
    if (WasRoot && IsActive && setresuid(0, 0, 0) != 0) std::terminate();
}
