// The notification-area icon: one icon with a tool tip in the taskbar's notification area, shown as an
// enabled icon, a disabled icon or an animation, whose mouse actions become events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "os/notify_area.h"
#include "ui/component.h"
#include "ui/icon.h"
#include "ui/menus.h"
#include "ui/message_window.h"
#include "ui/timer.h"

namespace controls {

enum class TStateTaskIcon { tiEnabled, tiDisabled, tiAnimated };
enum class TWhereTaskIcon { tiInFiles, tiInExe };

class TTaskIcon : public ui::TComponent {
 public:
  static constexpr unsigned kCallbackMessage = 0x400 + 10;  // WM_USER + 10
  static constexpr std::size_t kMaxHint = 64, kMaxFrameName = 49;

  explicit TTaskIcon(ui::TComponent* owner, std::string name = {});
  // Removes the icon from the notification area when it is there.
  ~TTaskIcon() override;

  // Becomes true or false only when the shell accepts the icon's adding or removal.
  bool Active() const { return active_; }
  void SetActive(bool active);
  const ui::TIcon& Icon() const { return icon_; }
  void SetIcon(const ui::TIcon& icon);
  const ui::TIcon& DisabledIcon() const { return disabledIcon_; }
  void SetDisabledIcon(const ui::TIcon& icon);
  // At most 64 characters; the tool tip shows the first 63.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool showHint);
  int TaskIconID() const { return taskIconID_; }
  void SetTaskIconID(int id);
  TStateTaskIcon State() const { return state_; }
  void SetState(TStateTaskIcon state);
  // Names of the animation frames: icon files, or icon resources of the program (see WhereIcons).
  const std::vector<std::string>& IconList() const { return iconList_; }
  void SetIconList(const std::vector<std::string>& names);
  // Milliseconds per animation frame.
  int Interval() const { return interval_; }
  void SetInterval(int interval);
  TWhereTaskIcon WhereIcons = TWhereTaskIcon::tiInFiles;
  ui::TPopupMenu* PopupMenu = nullptr;

  ui::TNotifyEvent OnClick;
  ui::TNotifyEvent OnDblClick;
  ui::TMouseEvent OnRightClick;
  ui::TNotifyEvent OnAnimate;

  // The shell restarted without its icons: shows the icon again when active.
  void ShellRestarted();
  // The window the shell sends the icon's mouse notifications to.
  ui::TMessageWindow& Window() { return window_; }

 private:
  void HandleMessage(unsigned message, std::uint32_t wParam, std::uint32_t lParam);
  void Add();
  void Update();
  os::NotifyIconRecord Record() const;
  void LoadFrame();
  void StartAnimation();
  void AnimationStep();
  void RightClickStep();

  bool active_ = false;
  ui::TIcon icon_, disabledIcon_, frameIcon_;
  std::string hint_;
  bool showHint_ = false;
  int taskIconID_ = 0;
  TStateTaskIcon state_ = TStateTaskIcon::tiEnabled;
  std::vector<std::string> iconList_;
  int interval_ = 1000;
  std::size_t frameIndex_ = 0;
  std::string frameName_;
  os::NotifyIconRecord added_;  // what the shell was given when the icon was added
  ui::TMessageWindow window_;
  ui::TTimer animationTimer_;
};

}  // namespace controls
