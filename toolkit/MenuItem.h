// One command of a popup menu: caption, enabled state and click handler.
#pragma once

#include "toolkit/Component.h"

#include <windows.h>

#include <string>

class TMenuItem : public TComponent {
public:
    // Items belong to the menu they are added to, so they have no owner of their own.
    explicit TMenuItem(const std::string& caption = std::string());

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // The command identifier in its menu; 0 until added to one.
    UINT Command() const { return command_; }

    // Runs the click handler, as choosing the item does.
    virtual void Click();
    TNotifyEvent OnClick;

private:
    friend class TPopupMenu;
    void Attach(HMENU menu, UINT command);
    UINT StateFlags() const;

    std::string caption_;
    bool enabled_ = true;
    HMENU menu_ = nullptr;  // not owned: the menu that holds this item
    UINT command_ = 0;
};
