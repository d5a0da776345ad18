// A whole application without windows: the fake OS services, the headless backend, the application
// object and the user's script for its modal forms, for one test.
#pragma once

#include "os/fake/fake_message_loop.h"
#include "support/fake_services.h"
#include "support/modal_script.h"
#include "ui/forms.h"
#include "ui/headless/headless_backend.h"

namespace testing_support {

// The loop comes first: every service is made around it.
struct FakeLoop {
  os::FakeMessageLoop loop;
};

struct HeadlessApp : FakeLoop, FakeServices {
  HeadlessApp() : FakeServices(loop) {}
  ui::HeadlessBackend backend;
  ui::TApplication app{backend, services};
  ModalScript modal{backend};
};

}  // namespace testing_support
