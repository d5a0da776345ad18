#include "ui/icon.h"

#include "ui/forms.h"

namespace ui {

TIcon::Image::~Image() {
  if (HasApplication()) Application().GetBackend().DestroyIcon(handle);
}

TIcon TIcon::Adopt(std::uintptr_t handle, const std::string& what) {
  if (!handle) throw Exception("Cannot load icon " + what);
  TIcon icon;
  icon.image_ = std::make_shared<const Image>(handle);
  return icon;
}

TIcon TIcon::FromFile(const std::string& fileName) {
  return Adopt(Application().GetBackend().LoadIconFile(fileName), fileName);
}

TIcon TIcon::FromResource(const std::string& name) {
  return Adopt(Application().GetBackend().LoadIconResource(name), name);
}

TIcon TIcon::FromApplication() {
  return Adopt(Application().GetBackend().LoadApplicationIcon(), "of the application");
}

TIcon TIcon::FromPicture(const std::string& picture) {
  return Adopt(Application().GetBackend().CreateIconFromPicture(picture), "picture");
}

}  // namespace ui
