#include "ui/component.h"

#include <algorithm>

namespace ui {

TComponent::TComponent(TComponent* owner, std::string name) : owner_(owner), name_(std::move(name)) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  for (TComponent* c : components_) c->owner_ = nullptr;
  if (owner_) std::erase(owner_->components_, this);
}

}  // namespace ui
