// A picture on a form: an icon, or a picture the program draws.
#pragma once

#include <functional>

#include "ui/control.h"
#include "ui/icon.h"

namespace ui {

class TCanvas;

class TImage : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

  // An icon, drawn at its full size at the top left.
  const TIcon& Icon() const { return icon_; }
  void SetIcon(TIcon icon);
  // A picture of the given size that the handler draws on the image's canvas whenever the image is
  // painted; it replaces the icon.
  using TDrawPicture = std::function<void(TCanvas& canvas)>;
  void SetPicture(TSize size, TDrawPicture draw);
  // The size of what the image shows: the icon's, the picture's, or nothing.
  TSize PictureSize() const;

  // An auto-sized image takes the size of its picture, wherever it is placed.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

  void Paint() override;

 protected:
  void ConstrainBounds(int& width, int& height) override;

 private:
  void PictureChanged();
  TIcon icon_;
  TSize pictureSize_;
  TDrawPicture draw_;
  bool autoSize_ = false;
};

}  // namespace ui
