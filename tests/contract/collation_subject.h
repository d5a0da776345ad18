// What the collation contract runs against.
#pragma once

#include <memory>

#include "os/collation.h"

namespace contract {

std::unique_ptr<os::Collation> MakeCollationSubject();

}  // namespace contract
