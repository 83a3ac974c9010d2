#include "runtime/Component.h"

#include <algorithm>

namespace {
void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
}  // namespace

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) {
    owner_->components_.push_back(this);
    owner_->Notification(this, TOperation::opInsert);
  }
}

TComponent::~TComponent() {
  const std::vector<TComponent*> takers = noticeTakers_;
  noticeTakers_.clear();
  for (TComponent* taker : takers) {
    Erase(taker->noticeTakers_, this);
    taker->Notification(this, TOperation::opRemove);
  }
  if (owner_) {
    Erase(owner_->components_, this);
    owner_->Notification(this, TOperation::opRemove);
  }
  while (!components_.empty()) {
    TComponent* newest = components_.back();
    newest->owner_ = nullptr;
    components_.pop_back();
    delete newest;
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(noticeTakers_.begin(), noticeTakers_.end(), component) == noticeTakers_.end()) {
    noticeTakers_.push_back(component);
    component->noticeTakers_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  Forget(component);
  component->Forget(this);
}

void TComponent::Forget(TComponent* component) { Erase(noticeTakers_, component); }

void TComponent::Notification(TComponent*, TOperation) {}
