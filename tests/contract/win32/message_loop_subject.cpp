#include "message_loop_subject.h"

#include "os/win32/win32_message_loop.h"

namespace contract {

namespace {
class Win32Subject final : public MessageLoopSubject {
 public:
  os::MessageLoop& Loop() override { return loop_; }

  void Pass(unsigned ms) override {
    const std::uint64_t end = loop_.NowMs() + ms;
    for (;;) {
      loop_.ProcessPending();
      const std::uint64_t now = loop_.NowMs();
      if (now >= end || loop_.QuitRequested()) break;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
  }

  void Block(unsigned ms) override { Sleep(ms); }

  void Serve(std::chrono::milliseconds span) override { Pass(static_cast<unsigned>(span.count())); }

  // The system timer's resolution, with room for a busy machine.
  unsigned TimerSlackMs() const override { return 40; }

 private:
  os::Win32MessageLoop loop_;
};
}  // namespace

std::unique_ptr<MessageLoopSubject> MakeMessageLoopSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
