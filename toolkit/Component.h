// Components with owners: an owner destroys what it owns and tells the
// remaining components when one of them goes away.
#pragma once

#include "toolkit/Object.h"

#include <string>
#include <vector>

enum class TOperation { Insert, Remove };

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    const std::vector<TComponent*>& Components() const { return components_; }

    // Called once all stored settings are in place (after construction of a form).
    virtual void Loaded() {}
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> components_;
};
