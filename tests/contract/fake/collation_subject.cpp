#include "collation_subject.h"

#include "os/fake/fake_collation.h"

namespace contract {

std::unique_ptr<os::Collation> MakeCollationSubject() { return std::make_unique<os::FakeCollation>(); }

}  // namespace contract
