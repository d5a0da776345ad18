// Components: named objects with an owner, which lists them. Owners do not delete what they list: a
// form holds its components as members, so they live and die with it.
#pragma once

#include <string>
#include <vector>

#include "ui/types.h"

namespace ui {

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner, std::string name = {});
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }

  // The owner has set the stored properties; a form's components hear it when the form is created,
  // before its OnCreate.
  virtual void Loaded() {}

  int Tag = 0;

 private:
  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;
};

}  // namespace ui
