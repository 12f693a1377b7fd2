#include "toolkit/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(nullptr)
{
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    // Owned components go last-created first, so later ones never outlive what they use.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        delete last;  // its destructor removes it from this list
    }
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* component)
{
    component->owner_ = this;
    components_.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component)
{
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    component->owner_ = nullptr;
    for (TComponent* other : components_) other->Notification(component, TOperation::Remove);
    Notification(component, TOperation::Remove);
}
