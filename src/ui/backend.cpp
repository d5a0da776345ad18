#include "ui/backend.h"

#include <algorithm>

#include "ui/forms.h"

namespace ui {

void Backend::RunModal(TForm& form, const std::function<bool()>& ended) {
  if (!ended()) form.SetModalResult(mrCancel);
}

TPoint Backend::ClientOrigin(const TForm& form) { return {form.Left(), form.Top()}; }

TControl* Backend::ControlAtScreen(TPoint screen) {
  if (!HasApplication()) return nullptr;
  std::vector<TForm*> forms(Application().Screen().Forms().rbegin(), Application().Screen().Forms().rend());
  std::ranges::stable_partition(forms, &TForm::TopMost);
  for (TForm* form : forms) {
    if (!form->Showing() || !form->Enabled()) continue;
    const TPoint p = form->ScreenToClient(screen);
    if (p.x < 0 || p.y < 0 || p.x >= form->ClientWidth() || p.y >= form->ClientHeight()) continue;
    TControl* control = form->ControlAtPos(p, false);
    return control ? control : form;
  }
  return nullptr;
}

}  // namespace ui
