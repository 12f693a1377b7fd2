#include "toolkit/ImageList.h"

#include "toolkit/Icon.h"

int TImageList::AddIcon(HICON icon)
{
    HICON copy = CopyIcon(icon);
    if (!copy) throw Exception("Cannot copy icon");
    icons_.emplace_back(copy);
    return Count() - 1;
}

bool TImageList::GetIcon(int index, TIcon& icon) const
{
    if (index < 0 || index >= Count()) {
        icon.Clear();
        return false;
    }
    HICON copy = CopyIcon(icons_[index].get());
    icon.SetHandle(copy);
    return copy != nullptr;
}
