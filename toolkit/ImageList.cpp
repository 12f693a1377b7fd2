#include "toolkit/ImageList.h"

#include "toolkit/Icon.h"

TImageList::~TImageList()
{
    for (HICON icon : icons_) DestroyIcon(icon);
}

int TImageList::AddIcon(HICON icon)
{
    HICON copy = CopyIcon(icon);
    if (!copy) throw Exception("Cannot copy icon");
    icons_.push_back(copy);
    return Count() - 1;
}

bool TImageList::GetIcon(int index, TIcon& icon) const
{
    if (index < 0 || index >= Count()) {
        icon.Clear();
        return false;
    }
    HICON copy = CopyIcon(icons_[index]);
    icon.SetHandle(copy);
    return copy != nullptr;
}
