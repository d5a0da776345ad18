// An icon: a shared handle of the backend's, released when the last copy goes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace ui {

// The size of a full icon; small icons are 16 pixels.
constexpr int kIconSize = 32;

class TIcon {
 public:
  TIcon() = default;
  static TIcon FromFile(const std::string& fileName);
  static TIcon FromResource(const std::string& name);
  // A picture of 32 rows of 32 colour letters; see Backend::CreateIconFromPicture.
  static TIcon FromPicture(const std::string& picture);
  // The program's own icon, as its windows show it.
  static TIcon FromApplication();

  std::uintptr_t Handle() const { return image_ ? image_->handle : 0; }
  bool Empty() const { return Handle() == 0; }
  friend bool operator==(const TIcon& a, const TIcon& b) { return a.Handle() == b.Handle(); }

 private:
  struct Image {
    explicit Image(std::uintptr_t h) : handle(h) {}
    ~Image();
    std::uintptr_t handle;
  };
  static TIcon Adopt(std::uintptr_t handle, const std::string& what);
  std::shared_ptr<const Image> image_;
};

}  // namespace ui
