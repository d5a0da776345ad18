#include "message_loop_subject.h"

#include "os/fake/fake_message_loop.h"

namespace contract {

namespace {
class FakeSubject final : public MessageLoopSubject {
 public:
  os::MessageLoop& Loop() override { return loop_; }
  void Pass(unsigned ms) override { loop_.Advance(ms); }
  void Block(unsigned) override {}
  void Serve(std::chrono::milliseconds span) override { loop_.ServeFor(span); }
  unsigned TimerSlackMs() const override { return 0; }

 private:
  os::FakeMessageLoop loop_;
};
}  // namespace

std::unique_ptr<MessageLoopSubject> MakeMessageLoopSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
