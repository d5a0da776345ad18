#include "collation_subject.h"

#include "os/win32/win32_collation.h"

namespace contract {

std::unique_ptr<os::Collation> MakeCollationSubject() { return std::make_unique<os::Win32Collation>(); }

}  // namespace contract
