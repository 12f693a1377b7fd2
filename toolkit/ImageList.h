// A list of icons, each kept as an owned copy.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/OwnedGdi.h"

#include <windows.h>

#include <vector>

class TIcon;

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner) : TComponent(owner) {}

    // Stores a copy of the icon; returns its index.
    int AddIcon(HICON icon);
    int Count() const { return static_cast<int>(icons_.size()); }
    // Copies image number index into icon; an index out of range leaves it empty.
    bool GetIcon(int index, TIcon& icon) const;

private:
    std::vector<OwnedIcon> icons_;
};
